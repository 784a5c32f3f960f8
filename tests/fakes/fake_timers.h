#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "host/clock.h"
#include "host/timer.h"

namespace vorlane::testing {

// Timers on a clock that only moves when a test says so. A timer fires once per
// whole interval that passes while it is enabled; enabling (or changing the
// interval) starts its interval afresh, as message-loop timers do. Its clock
// is the one code reads to learn how much time passed.
class FakeTimerService final : public TimerService, public MonotonicClock {
 public:
  std::unique_ptr<Timer> createTimer(unsigned intervalMilliseconds, bool enabled,
                                     std::function<void()> onTick) override;

  // Moves the clock forward, firing due timers in time order (ties in creation
  // order). A tick may enable, disable or create timers.
  void advance(std::uint64_t milliseconds);
  std::uint64_t now() const { return now_; }
  std::uint64_t milliseconds() override { return now_; }
  // Enabled timers with a non-zero interval: what would wake the program.
  int activeTimers() const;

 private:
  struct State {
    unsigned interval = 0;
    bool enabled = false;
    std::uint64_t due = 0;
    std::function<void()> onTick;
    bool alive = true;
  };
  class FakeTimer;

  std::uint64_t now_ = 0;
  std::vector<std::shared_ptr<State>> timers_;
};

}  // namespace vorlane::testing
