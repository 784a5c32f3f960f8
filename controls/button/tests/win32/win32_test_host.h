#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>

#include "host/message_pump.h"
#include "host/timer.h"
#include "host/win32/handles.h"

namespace vorlane::testing {

// Message-loop timers (SetTimer) and a message pump for the Windows tests of
// the button, standing in for the forms layer.
class Win32TestTimers final : public TimerService {
 public:
  std::unique_ptr<Timer> createTimer(unsigned intervalMilliseconds, bool enabled,
                                     std::function<void()> onTick) override;
};

class Win32TestPump final : public MessagePump {
 public:
  void pumpOnce() override;
  void waitUntil(const std::function<bool()>& done) override;
  // Serves messages for `milliseconds` of real time.
  void runFor(DWORD milliseconds);
};

// A plain top-level window to host buttons in tests.
win32::UniqueWindow createTestForm(int width, int height);

}  // namespace vorlane::testing
