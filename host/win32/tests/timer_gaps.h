#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "host/timer.h"
#include "host/win32/message_pump.h"

namespace vorlane::win32 {

// Milliseconds from the performance counter: finer than the tick count.
inline double nowMs() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER counter;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// The longest wait between two ticks of a 10 ms timer while `work` runs,
// against a yardstick: the longest wait over as many ticks with the loop idle,
// since a loaded machine delays timers by itself. On a quiet machine the bound
// is 20 ms; without turns during the work the wait would be the whole work.
inline void expectTimerKeepsFiring(Win32MessagePump& pump, TimerService& timers,
                                   const std::function<void()>& work) {
  std::vector<double> ticks;
  const auto timer = timers.createTimer(10, true, [&ticks] { ticks.push_back(nowMs()); });
  const double start = nowMs();
  work();
  const double end = nowMs();
  const std::size_t workTicks = ticks.size();
  ASSERT_GE(workTicks, 2u) << end - start << " ms";
  double longest = end - ticks.back();
  for (std::size_t i = 1; i < workTicks; ++i) {
    longest = std::max(longest, ticks[i] - ticks[i - 1]);
  }
  pump.waitUntil([&] { return ticks.size() >= 2 * workTicks + 1; });
  double idle = 0;
  for (std::size_t i = workTicks + 1; i < ticks.size(); ++i) {
    idle = std::max(idle, ticks[i] - ticks[i - 1]);
  }
  EXPECT_LE(longest, std::max(20.0, 2 * idle))
      << workTicks << " ticks in " << end - start << " ms; idle loop's longest wait " << idle;
}

}  // namespace vorlane::win32
