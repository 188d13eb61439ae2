// A small uniform generator for Rnd: the 24-bit linear congruential kind, plenty for dealing problems.
#pragma once

#include <cstdint>

namespace platform {

class Random {
 public:
  void Seed(std::uint32_t seed) { state_ = seed & 0xFFFFFFu; }
  // Uniform in [0, 1).
  float Next() {
    state_ = (state_ * 1140671485u + 12820163u) & 0xFFFFFFu;
    return static_cast<float>(state_) / 16777216.0f;
  }

 private:
  std::uint32_t state_ = 0x50000u;
};

}  // namespace platform
