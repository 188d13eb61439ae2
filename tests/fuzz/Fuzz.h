// What the fuzz targets share: a property that must hold, and a file of given bytes.
#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/Platform.h"

namespace fuzz {

// A property that fails stops the run with a report, as a crash would.
inline void Require(bool condition) {
  if (!condition) __builtin_trap();
}

// A file of the given bytes, which must outlive it.
class Bytes : public platform::InputFile {
 public:
  explicit Bytes(std::string_view bytes) : bytes_(bytes) {}
  long Read(char* buffer, long size) override {
    const long n = std::min(size, static_cast<long>(bytes_.size() - at_));
    std::memcpy(buffer, bytes_.data() + at_, static_cast<size_t>(n));
    at_ += static_cast<size_t>(n);
    return n;
  }

 private:
  std::string_view bytes_;
  size_t at_ = 0;
};

}  // namespace fuzz
