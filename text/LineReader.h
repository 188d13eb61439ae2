// Reads a text file line by line: a line ends at CR, a CR LF pair counts as one
// line end, and a lone LF is part of the line.
#pragma once

#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace text {

class LineReader {
 public:
  // Lines longer than `maxLength` bytes are cut to that length (see Truncated).
  LineReader(platform::InputFile& file, size_t maxLength) : file_(file), maxLength_(maxLength) {}

  // Before the first line: skips `prefix` (a few bytes) when the file begins with it.
  bool SkipPrefix(std::string_view prefix);
  // The next line, without its line end; false at the end of the file or when reading fails.
  bool Next(std::string& line);
  bool Failed() const { return failed_; }
  // The last line returned was longer than the limit.
  bool Truncated() const { return truncated_; }

 private:
  bool Fill();
  platform::InputFile& file_;
  size_t maxLength_;
  char buffer_[4096];
  long size_ = 0, at_ = 0;
  bool eof_ = false, failed_ = false, truncated_ = false, skipLf_ = false;
};

}  // namespace text
