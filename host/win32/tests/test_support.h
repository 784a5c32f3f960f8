#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "host/timer.h"
#include "host/win32/handles.h"
#include "host/win32/message_pump.h"

namespace vorlane::win32 {
namespace testing {

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

}  // namespace testing

// Milliseconds from the performance counter: finer than the tick count.
inline double nowMs() {
  LARGE_INTEGER frequency, counter;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// The longest wait between two ticks of a 10 ms timer while `work` runs, against
// the longest over as many idle ticks, since a loaded machine delays timers itself.
inline void expectTimerKeepsFiring(Win32MessagePump& pump, TimerService& timers,
                                   const std::function<void()>& work) {
  std::vector<double> ticks;
  const auto timer = timers.createTimer(10, true, [&] { ticks.push_back(nowMs()); });
  work();
  const double end = nowMs();
  const std::size_t workTicks = ticks.size();
  ASSERT_GE(workTicks, 2u);
  pump.waitUntil([&] { return ticks.size() >= 2 * workTicks + 1; });
  double longest = end - ticks[workTicks - 1], idle = 0;
  for (std::size_t i = 1; i < ticks.size(); ++i) {
    double& gap = i < workTicks ? longest : idle;
    gap = std::max(gap, i == workTicks ? 0.0 : ticks[i] - ticks[i - 1]);
  }
  EXPECT_LE(longest, std::max(20.0, 2 * idle))
      << workTicks << " ticks; idle loop's longest " << idle;
}

}  // namespace vorlane::win32
