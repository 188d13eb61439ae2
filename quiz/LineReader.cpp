#include "quiz/LineReader.h"

namespace quiz {

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
    const char c = buffer_[at_++];
    if (c == '\r') {
      skipLf_ = true;  // a following LF belongs to this line end, perhaps in the next block
      return true;
    }
    if (line.size() < maxLength_) {
      line += c;
    } else {
      truncated_ = true;
    }
  }
  return !failed_;
}

}  // namespace quiz
