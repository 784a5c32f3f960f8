#include "popup/sweep.h"

namespace vorlane {

namespace {

// Ticks for a way there and back, once the sweep is on its course.
constexpr std::uint64_t kCycle = 2 * (Sweep::kEnd / Sweep::kStep);

}  // namespace

void Sweep::tick() {
  if (rightwards) {
    left += kStep;
    if (left >= kEnd) {
      left = kEnd;
      rightwards = false;
    }
  } else {
    left -= kStep;
    if (left <= 0) {
      left = 0;
      rightwards = true;
    }
  }
}

void Sweep::advance(std::uint64_t ticks) {
  // The state at creation (2400, rightwards) is off the cycle; one tick puts
  // any state on it.
  if (ticks > kCycle) {
    ticks = kCycle + (ticks - kCycle) % kCycle;
  }
  for (std::uint64_t i = 0; i < ticks; ++i) {
    tick();
  }
}

}  // namespace vorlane
