#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "host/message_pump.h"
#include "host/timer.h"

namespace vorlane::win32::testing {

// Serves the real message loop until `done` holds; fails the test after five
// seconds, so that a timer or message that never comes cannot hang the run.
inline void waitFor(TimerService& timers, MessagePump& pump, const std::function<bool()>& done) {
  bool gaveUp = false;
  auto guard = timers.createTimer(5000, true, [&] { gaveUp = true; });
  pump.waitUntil([&] { return gaveUp || done(); });
  ASSERT_FALSE(gaveUp) << "waited five seconds in vain";
}

}  // namespace vorlane::win32::testing
