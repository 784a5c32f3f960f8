#include "tests/fakes/fake_timers.h"

#include <limits>

namespace vorlane::testing {

class FakeTimerService::FakeTimer final : public Timer {
 public:
  FakeTimer(FakeTimerService& service, std::shared_ptr<State> state)
      : service_(service), state_(std::move(state)) {}
  ~FakeTimer() override { state_->alive = false; }

  void setInterval(unsigned milliseconds) override {
    state_->interval = milliseconds;
    restart();
  }
  unsigned interval() const override { return state_->interval; }
  void setEnabled(bool enabled) override {
    if (enabled && !state_->enabled) {
      state_->enabled = true;
      restart();
    } else if (!enabled) {
      state_->enabled = false;
    }
  }
  bool enabled() const override { return state_->enabled; }

 private:
  void restart() { state_->due = service_.now_ + state_->interval; }

  FakeTimerService& service_;
  std::shared_ptr<State> state_;
};

std::unique_ptr<Timer> FakeTimerService::createTimer(unsigned intervalMilliseconds, bool enabled,
                                                     std::function<void()> onTick) {
  auto state = std::make_shared<State>();
  state->interval = intervalMilliseconds;
  state->enabled = enabled;
  state->due = now_ + intervalMilliseconds;
  state->onTick = std::move(onTick);
  timers_.push_back(state);
  return std::make_unique<FakeTimer>(*this, state);
}

void FakeTimerService::advance(std::uint64_t milliseconds) {
  const std::uint64_t end = now_ + milliseconds;
  for (;;) {
    std::shared_ptr<State> next;
    std::uint64_t nextDue = std::numeric_limits<std::uint64_t>::max();
    for (const auto& timer : timers_) {
      if (timer->alive && timer->enabled && timer->interval > 0 && timer->due < nextDue) {
        next = timer;
        nextDue = timer->due;
      }
    }
    if (!next || nextDue > end) {
      break;
    }
    now_ = nextDue;
    next->due = now_ + next->interval;
    auto onTick = next->onTick;  // the handler may destroy its own timer
    onTick();
  }
  now_ = end;
}

int FakeTimerService::activeTimers() const {
  int count = 0;
  for (const auto& timer : timers_) {
    if (timer->alive && timer->enabled && timer->interval > 0) {
      ++count;
    }
  }
  return count;
}

}  // namespace vorlane::testing
