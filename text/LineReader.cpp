#include "text/LineReader.h"

#include <algorithm>
#include <cstring>

namespace text {

bool LineReader::Fill() {
  if (at_ < size_) return true;
  if (eof_) return false;
  size_ = file_.Read(buffer_, sizeof buffer_);
  at_ = 0;
  if (size_ <= 0) {
    failed_ = size_ < 0;
    size_ = 0;
    eof_ = true;
    return false;
  }
  return true;
}

bool LineReader::SkipPrefix(std::string_view prefix) {
  // The buffer is still empty: fill it until it holds as many bytes as the prefix, however few each
  // read brings.
  while (!eof_ && size_ < static_cast<long>(prefix.size())) {
    const long n = file_.Read(buffer_ + size_, static_cast<long>(sizeof buffer_) - size_);
    if (n <= 0) {
      failed_ = n < 0;
      eof_ = true;
    } else {
      size_ += n;
    }
  }
  if (!std::string_view(buffer_, static_cast<size_t>(size_)).starts_with(prefix)) return false;
  at_ = static_cast<long>(prefix.size());
  return true;
}

bool LineReader::Next(std::string& line) {
  line.clear();
  truncated_ = false;
  if (skipLf_) {
    skipLf_ = false;
    if (Fill() && buffer_[at_] == '\n') ++at_;
  }
  if (!Fill()) return false;
  while (Fill()) {
    // The rest of the line in this block, up to its CR.
    const char* begin = buffer_ + at_;
    const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', static_cast<size_t>(size_ - at_)));
    const size_t length = static_cast<size_t>((cr ? cr : buffer_ + size_) - begin);
    const size_t room = maxLength_ - line.size();
    if (length > room) truncated_ = true;
    line.append(begin, std::min(length, room));
    at_ += static_cast<long>(length);
    if (cr) {
      ++at_;
      skipLf_ = true;  // a following LF belongs to this line end, perhaps in the next block
      return true;
    }
  }
  return !failed_;
}

}  // namespace text
