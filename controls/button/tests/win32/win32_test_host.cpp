#include "controls/button/tests/win32/win32_test_host.h"

namespace vorlane::testing {

namespace {

std::map<UINT_PTR, std::function<void()>>& timerCallbacks() {
  static std::map<UINT_PTR, std::function<void()>> callbacks;
  return callbacks;
}

void CALLBACK onTimer(HWND, UINT, UINT_PTR id, DWORD) {
  const auto found = timerCallbacks().find(id);
  if (found != timerCallbacks().end()) {
    const auto callback = found->second;
    callback();
  }
}

class ThreadTimer final : public Timer {
 public:
  ThreadTimer(unsigned interval, bool enabled, std::function<void()> onTick)
      : interval_(interval), onTick_(std::move(onTick)) {
    setEnabled(enabled);
  }
  ~ThreadTimer() override { stop(); }
  void setInterval(unsigned milliseconds) override {
    interval_ = milliseconds;
    if (enabled_) {
      stop();
      start();
    }
  }
  unsigned interval() const override { return interval_; }
  void setEnabled(bool enabled) override {
    if (enabled == enabled_) {
      return;
    }
    enabled_ = enabled;
    if (enabled) {
      start();
    } else {
      stop();
    }
  }
  bool enabled() const override { return enabled_; }

 private:
  void start() {
    if (interval_ == 0) {
      return;
    }
    id_ = ::SetTimer(nullptr, 0, interval_, &onTimer);
    timerCallbacks()[id_] = onTick_;
  }
  void stop() {
    if (id_ != 0) {
      ::KillTimer(nullptr, id_);
      timerCallbacks().erase(id_);
      id_ = 0;
    }
  }

  unsigned interval_;
  bool enabled_ = false;
  std::function<void()> onTick_;
  UINT_PTR id_ = 0;
};

}  // namespace

std::unique_ptr<Timer> Win32TestTimers::createTimer(unsigned intervalMilliseconds, bool enabled,
                                                    std::function<void()> onTick) {
  return std::make_unique<ThreadTimer>(intervalMilliseconds, enabled, std::move(onTick));
}

void Win32TestPump::pumpOnce() {
  MSG message;
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
}

void Win32TestPump::waitUntil(const std::function<bool()>& done) {
  while (!done()) {
    pumpOnce();
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

void Win32TestPump::runFor(DWORD milliseconds) {
  const DWORD start = ::GetTickCount();
  waitUntil([&] { return ::GetTickCount() - start >= milliseconds; });
}

win32::UniqueWindow createTestForm(int width, int height) {
  static const bool registered = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "VorlaneButtonTestForm";
    return ::RegisterClassExA(&windowClass) != 0;
  }();
  (void)registered;
  win32::UniqueWindow form(::CreateWindowExA(WS_EX_TOPMOST, "VorlaneButtonTestForm", "Button test",
                                             WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100,
                                             width, height, nullptr, nullptr,
                                             ::GetModuleHandleA(nullptr), nullptr));
  ::UpdateWindow(form.get());
  return form;
}

}  // namespace vorlane::testing
