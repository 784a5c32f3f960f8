#pragma once

#include <windows.h>

#include <cstdlib>
#include <map>
#include <memory>

#include "host/diagnostics.h"
#include "host/timer.h"
#include "host/win32/window.h"

namespace vorlane::win32 {

// Message-loop timers (SetTimer) on one hidden message-only window of the
// user-interface thread. VORLANE_TIME_SCALE=N, read when the service is made,
// divides every interval by N (not below 10 ms) for end-to-end runs.
class Win32TimerService final : public TimerService {
 public:
  explicit Win32TimerService(
      unsigned timeScale = parseTimeScale(std::getenv("VORLANE_TIME_SCALE")));
  ~Win32TimerService() override;

  std::unique_ptr<Timer> createTimer(unsigned intervalMilliseconds, bool enabled,
                                     std::function<void()> onTick) override;

 private:
  class Sink;
  class Win32Timer;
  struct State;

  unsigned scale_;
  std::unique_ptr<Sink> sink_;
  UINT_PTR nextId_ = 1;
};

}  // namespace vorlane::win32
