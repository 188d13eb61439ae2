// What the fuzz targets share: a property that must hold.
#pragma once

namespace fuzz {

// A property that fails stops the run with a report, as a crash would.
inline void Require(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace fuzz
