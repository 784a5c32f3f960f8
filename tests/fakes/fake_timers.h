#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "host/clock.h"
#include "host/timer.h"

namespace vorlane::testing {

// Timers on a clock that moves only in advance(). Enabling or a new interval
// starts the interval afresh, as message-loop timers do.
class FakeTimerService final : public TimerService, public MonotonicClock {
 public:
  std::unique_ptr<Timer> createTimer(unsigned interval, bool enabled,
                                     std::function<void()> onTick) override {
    auto timer = std::make_unique<FakeTimer>(now_, interval, std::move(onTick));
    timer->setEnabled(enabled);
    timers_.push_back(timer->state);
    return timer;
  }
  // Ties fire in creation order; a tick may create or destroy timers.
  void advance(std::uint64_t milliseconds) {
    const std::uint64_t end = now_ + milliseconds;
    for (auto next = nextDue(); next && next->due <= end; next = nextDue()) {
      now_ = next->due;
      next->due = now_ + next->interval;
      next->onTick();
    }
    now_ = end;
  }
  std::uint64_t milliseconds() override { return now_; }
  // Enabled timers with a non-zero interval: what would wake the program.
  int activeTimers() const {
    int count = 0;
    for (const auto& timer : timers_) count += timer.lock() && timer.lock()->active() ? 1 : 0;
    return count;
  }

 private:
  struct State {
    unsigned interval;
    bool enabled;
    std::uint64_t due;
    std::function<void()> onTick;
    bool active() const { return enabled && interval > 0; }
  };
  struct FakeTimer final : Timer {
    FakeTimer(const std::uint64_t& now, unsigned interval, std::function<void()> onTick)
        : now_(now), state(std::make_shared<State>(State{interval, false, 0, std::move(onTick)})) {}
    void setInterval(unsigned milliseconds) override {
      state->interval = milliseconds;
      state->due = now_ + milliseconds;
    }
    unsigned interval() const override { return state->interval; }
    void setEnabled(bool enabled) override {
      if (enabled && !state->enabled) state->due = now_ + state->interval;
      state->enabled = enabled;
    }
    bool enabled() const override { return state->enabled; }
    const std::uint64_t& now_;
    std::shared_ptr<State> state;
  };

  std::shared_ptr<State> nextDue() const {
    std::shared_ptr<State> next;
    for (const auto& timer : timers_) {
      auto state = timer.lock();
      if (state && state->active() && (!next || state->due < next->due)) next = state;
    }
    return next;
  }

  std::uint64_t now_ = 0;
  std::vector<std::weak_ptr<State>> timers_;
};

}  // namespace vorlane::testing
