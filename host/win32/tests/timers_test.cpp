#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>

#include "host/win32/form.h"
#include "host/win32/message_pump.h"
#include "host/win32/tests/wait_for.h"
#include "host/win32/timer_service.h"

namespace vorlane::win32 {
namespace {

// Every wait of these tests ends within seconds even if a timer never fires.
class TimersTest : public ::testing::Test {
 protected:
  Win32TimerService timers{1};
  Win32MessagePump pump;
};

TEST_F(TimersTest, FiresEveryIntervalWhileEnabled) {
  int ticks = 0;
  auto timer = timers.createTimer(20, true, [&] { ++ticks; });
  const DWORD start = ::GetTickCount();
  testing::waitFor(timers, pump, [&] { return ticks >= 5; });
  const DWORD elapsed = ::GetTickCount() - start;
  EXPECT_GE(elapsed, 5u * 10);  // Windows may round intervals, never below 10 ms
  EXPECT_LT(elapsed, 3000u);
  timer->setEnabled(false);
  const int stopped = ticks;
  int other = 0;
  auto later = timers.createTimer(100, true, [&] { ++other; });
  testing::waitFor(timers, pump, [&] { return other >= 1; });
  EXPECT_EQ(ticks, stopped) << "a disabled timer stays quiet";
}

TEST_F(TimersTest, ZeroIntervalNeverFires) {
  int zeroTicks = 0;
  auto zero = timers.createTimer(0, true, [&] { ++zeroTicks; });
  int ticks = 0;
  auto timer = timers.createTimer(100, true, [&] { ++ticks; });
  testing::waitFor(timers, pump, [&] { return ticks >= 2; });
  EXPECT_EQ(zeroTicks, 0);
  EXPECT_TRUE(zero->enabled());
  EXPECT_EQ(zero->interval(), 0u);
}

TEST_F(TimersTest, TimerMayStopOrDestroyItselfInItsCallback) {
  int ticks = 0;
  std::unique_ptr<Timer> timer;
  timer = timers.createTimer(15, true, [&] {
    ++ticks;
    timer.reset();
  });
  int other = 0;
  auto later = timers.createTimer(150, true, [&] { ++other; });
  testing::waitFor(timers, pump, [&] { return other >= 1; });
  EXPECT_EQ(ticks, 1);
}

TEST(TimeScale, DividesEveryInterval) {
  Win32TimerService scaled(100);
  Win32MessagePump pump;
  EXPECT_EQ(scaled.timeScale(), 100u);
  int ticks = 0;
  auto minute = scaled.createTimer(60000, true, [&] { ++ticks; });  // 600 ms when scaled
  bool gaveUp = false;
  auto guard = scaled.createTimer(500000, true, [&] { gaveUp = true; });  // 5 s
  const DWORD start = ::GetTickCount();
  pump.waitUntil([&] { return ticks >= 1 || gaveUp; });
  EXPECT_EQ(ticks, 1);
  EXPECT_LT(::GetTickCount() - start, 3000u);
}

TEST_F(TimersTest, FailureInACallbackComesOutOfTheWait) {
  auto timer = timers.createTimer(10, true, [] { throw std::runtime_error("tick failed"); });
  EXPECT_THROW(pump.waitUntil([] { return false; }), std::runtime_error);
  timer->setEnabled(false);
  pump.pumpOnce();  // nothing is left parked
}

TEST(MessagePump, QuitInANestedWaitEndsEveryWait) {
  Win32TimerService timers(1);
  Win32MessagePump pump;
  bool innerReturned = false;
  auto timer = timers.createTimer(10, true, [&] {
    static bool nested = false;
    if (nested) {
      ::PostQuitMessage(7);
      return;
    }
    nested = true;
    pump.waitUntil([] { return false; });
    innerReturned = true;
  });
  pump.waitUntil([] { return false; });
  EXPECT_TRUE(innerReturned);
  EXPECT_TRUE(pump.ending());
  timer.reset();
  EXPECT_EQ(pump.run(), 7) << "the top-level loop sees the quit too";
}

TEST(MessagePump, EndProgramDestroysEveryFormAndQuits) {
  Win32MessagePump pump;
  FormOptions options;
  options.clientWidth = 1500;
  options.clientHeight = 1500;
  Form first(options);
  Form second(options);
  first.show();
  ASSERT_NE(first.handle(), nullptr);
  pump.endProgram();
  EXPECT_TRUE(pump.ending());
  EXPECT_EQ(first.handle(), nullptr);
  EXPECT_EQ(second.handle(), nullptr);
  first.hide();  // an object whose window has gone stays safe to call
  EXPECT_FALSE(first.visible());
  pump.waitUntil([] { return false; });  // returns at once: the program is ending
  EXPECT_EQ(pump.run(), 0);
}

TEST(MessagePump, PumpOnceHandlesWhatIsPendingAndReturns) {
  Win32TimerService timers(1);
  Win32MessagePump pump;
  int ticks = 0;
  auto timer = timers.createTimer(10, true, [&] { ++ticks; });
  ::Sleep(40);
  pump.pumpOnce();
  EXPECT_GE(ticks, 1);
  EXPECT_FALSE(pump.ending());
}

}  // namespace
}  // namespace vorlane::win32
