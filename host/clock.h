#pragma once

#include <cstdint>

namespace vorlane {

// A clock that only moves forward, in milliseconds from an arbitrary start. Code
// that must know how much time passed while it slept (instead of being woken)
// reads it; tests substitute one they move themselves.
class MonotonicClock {
 public:
  virtual ~MonotonicClock() = default;
  virtual std::uint64_t milliseconds() = 0;
};

}  // namespace vorlane
