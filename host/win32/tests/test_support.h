#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "host/timer.h"
#include "host/win32/handles.h"
#include "host/win32/message_pump.h"

namespace vorlane::win32::testing {

// Held by tests that show topmost windows or send real input, so that test
// processes run side by side take turns with the one desktop.
class DesktopLock {
 public:
  DesktopLock() : mutex_(::CreateMutexA(nullptr, FALSE, "Local\\vorlane-tests-desktop")) {
    ::WaitForSingleObject(mutex_.get(), 120000);
  }
  ~DesktopLock() { ::ReleaseMutex(mutex_.get()); }

 private:
  UniqueKernelHandle mutex_;
};

// Serves the real message loop until `done` holds; fails the test after five
// seconds, so that a timer or message that never comes cannot hang the run.
inline void waitFor(TimerService& timers, MessagePump& pump, const std::function<bool()>& done) {
  bool gaveUp = false;
  auto guard = timers.createTimer(5000, true, [&] { gaveUp = true; });
  pump.waitUntil([&] { return gaveUp || done(); });
  ASSERT_FALSE(gaveUp) << "waited five seconds in vain";
}

}  // namespace vorlane::win32::testing
