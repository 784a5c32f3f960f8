#include "host/win32/timer_service.h"

#include <string>
#include <utility>

#include "host/creation_failure.h"

namespace vorlane::win32 {

struct Win32TimerService::State {
  UINT_PTR id = 0;
  unsigned interval = 0;
  bool enabled = false;
  std::function<void()> onTick;
};

// The hidden window that receives WM_TIMER and runs the timer's callback.
class Win32TimerService::Sink final : public Window {
 public:
  Sink() { create("VorlaneTimerSink", false, 0, 0, "", 0, 0, 0, 0, HWND_MESSAGE); }
  ~Sink() override { destroyWindow(); }

  std::map<UINT_PTR, std::shared_ptr<State>> timers;

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_TIMER) {
      return callDefault(message, wParam, lParam);
    }
    const auto found = timers.find(wParam);
    if (found == timers.end()) {
      ::KillTimer(handle(), wParam);
      return 0;
    }
    // Held for the call: the callback may destroy its own timer.
    const std::shared_ptr<State> state = found->second;
    if (state->enabled && state->onTick) {
      state->onTick();
    }
    return 0;
  }
};

class Win32TimerService::Win32Timer final : public Timer {
 public:
  // Listed with the sink once armed: a timer the system refuses leaves no trace.
  Win32Timer(Win32TimerService& service, std::shared_ptr<State> state)
      : service_(service), state_(std::move(state)) {
    arm();
    service_.sink_->timers[state_->id] = state_;
  }
  ~Win32Timer() override {
    ::KillTimer(service_.sink_->handle(), state_->id);
    service_.sink_->timers.erase(state_->id);
  }

  void setInterval(unsigned milliseconds) override {
    state_->interval = milliseconds;
    arm();
  }
  unsigned interval() const override { return state_->interval; }
  void setEnabled(bool enabled) override {
    if (std::exchange(state_->enabled, enabled) != enabled) {
      arm();
    }
  }
  bool enabled() const override { return state_->enabled; }

 private:
  // (Re)starts the system timer, so a new interval counts from now, or stops
  // it: a disabled timer or one of interval 0 costs the program nothing.
  void arm() {
    HWND sink = service_.sink_->handle();
    const unsigned interval = scaledInterval(state_->interval, service_.scale_);
    if (state_->enabled && interval > 0) {
      // The system's timers are a per-session resource that can run out; a
      // program whose timer never fires would wait unseen for ever.
      if (::SetTimer(sink, state_->id, interval, nullptr) == 0) {
        throw CreationFailure("A timer could not be created (error " +
                              std::to_string(::GetLastError()) + ").");
      }
    } else {
      ::KillTimer(sink, state_->id);
    }
  }

  Win32TimerService& service_;
  std::shared_ptr<State> state_;
};

Win32TimerService::Win32TimerService(unsigned timeScale)
    : scale_(timeScale), sink_(std::make_unique<Sink>()) {}

Win32TimerService::~Win32TimerService() = default;

std::unique_ptr<Timer> Win32TimerService::createTimer(unsigned intervalMilliseconds, bool enabled,
                                                      std::function<void()> onTick) {
  return std::make_unique<Win32Timer>(
      *this,
      std::make_shared<State>(State{nextId_++, intervalMilliseconds, enabled, std::move(onTick)}));
}

}  // namespace vorlane::win32
