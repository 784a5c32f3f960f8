#pragma once

#include <cstdint>

namespace vorlane {

// The sweep of the pop-up's bar: 150 twips a tick between 0 and 2400, turning on
// the tick that reaches an end.
struct Sweep {
  static constexpr int kStep = 150;
  static constexpr int kEnd = 2400;
  static constexpr unsigned kTickMilliseconds = 50;

  int left = kEnd;         // 2400 at creation
  bool rightwards = true;  // `animate1` at creation

  // One tick of whichever timer is enabled.
  void tick();
  // `ticks` ticks at once: after its first tick the sweep repeats every 32
  // ticks, so any number of them costs at most 33 steps.
  void advance(std::uint64_t ticks);
};

}  // namespace vorlane
