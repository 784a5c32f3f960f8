#include "app/memory/memory_watch.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/memory/tests/memory_fakes.h"
#include "tests/fakes/fake_pump.h"
#include "tests/fakes/fake_timers.h"

namespace vorlane::testing {
namespace {

constexpr std::uint64_t kMinute = 60000;

class MemoryWatchTest : public ::testing::Test {
 protected:
  MemoryWatchTest() {
    state.learnedfree = 40;
    memory.setFreePercent(50.0);
    clearer.during = [this] { clearTimes.push_back(timers.now()); };
  }

  FakeTimerService timers;
  FakeMemorySource memory;
  ProgramState state;
  RecordingClearer clearer;
  std::vector<std::uint64_t> clearTimes;
  MemoryWatch watch{timers, memory, state, clearer};
};

TEST_F(MemoryWatchTest, TimersStartDisabledAndStartWatchEnablesBoth) {
  EXPECT_EQ(watch.Timer1().interval(), 60000u);
  EXPECT_EQ(watch.Timer2().interval(), 30000u);
  EXPECT_EQ(timers.activeTimers(), 0);
  memory.setFreePercent(1.0);
  timers.advance(60 * kMinute);
  EXPECT_EQ(memory.reads, 0);
  EXPECT_TRUE(clearer.requests.empty());

  watch.startWatch();
  EXPECT_TRUE(watch.Timer1().enabled());
  EXPECT_TRUE(watch.Timer2().enabled());
  watch.startWatch();  // a second start changes nothing
  EXPECT_EQ(timers.activeTimers(), 2);
}

TEST_F(MemoryWatchTest, WorkedExampleClears26Megabytes) {
  memory.setFreePercent(30.0);  // 256 MiB, learned 40 %
  watch.startWatch();
  timers.advance(15 * kMinute - 1);
  EXPECT_TRUE(clearer.requests.empty());
  EXPECT_EQ(state.tickcount, 14);
  timers.advance(1);
  EXPECT_EQ(clearer.requests, std::vector<std::int32_t>{26});
  EXPECT_EQ(state.tickcount, 0);
}

TEST_F(MemoryWatchTest, RegularCheckEveryFifteenMinutesFromTheStart) {
  memory.setFreePercent(25.0);
  watch.startWatch();
  timers.advance(46 * kMinute);
  EXPECT_EQ(clearTimes, (std::vector<std::uint64_t>{15 * kMinute, 30 * kMinute, 45 * kMinute}));
}

TEST_F(MemoryWatchTest, ClearsAtTheLearnedLevelButNotAboveIt) {
  state.learnedfree = 25;
  memory.status.availPhysBytes = 64 * kMiB + 1;  // just above 25 %
  watch.startWatch();
  timers.advance(15 * kMinute);
  EXPECT_TRUE(clearer.requests.empty());

  memory.setFreePercent(25.0);  // exactly the learned level
  timers.advance(15 * kMinute);
  EXPECT_EQ(clearer.requests, std::vector<std::int32_t>{0});
}

TEST_F(MemoryWatchTest, LearnedZeroClearsOnlyWithNothingFreeAndThenZero) {
  // The low figures are set just before each check, so that the emergency
  // check (which they would trigger too) has no chance to run first.
  state.learnedfree = 0;
  watch.startWatch();
  timers.advance(15 * kMinute - 1);
  memory.status.availPhysBytes = 1;
  timers.advance(1);
  EXPECT_TRUE(clearer.requests.empty());
  memory.setFreePercent(50.0);
  timers.advance(15 * kMinute - 1);
  memory.status.availPhysBytes = 0;
  timers.advance(1);
  EXPECT_EQ(clearer.requests, std::vector<std::int32_t>{0});
}

TEST_F(MemoryWatchTest, EmergencyBelowFivePercentAfterSevenTicks) {
  state.learnedfree = 0;  // keeps the regular check out of it
  memory.setFreePercent(4.99);
  watch.startWatch();
  timers.advance(7 * kMinute - 1);
  EXPECT_TRUE(clearer.requests.empty());
  timers.advance(1);  // Timer1's seventh tick comes first, then Timer2 sees 7
  EXPECT_EQ(clearer.requests, std::vector<std::int32_t>{30});
  EXPECT_EQ(state.tickcount, 0);
  timers.advance(7 * kMinute);
  EXPECT_EQ(clearTimes, (std::vector<std::uint64_t>{7 * kMinute, 14 * kMinute}));
}

TEST_F(MemoryWatchTest, FivePercentIsNoEmergency) {
  state.learnedfree = 0;
  memory.status.totalPhysBytes = 1000 * kMiB;
  memory.status.availPhysBytes = 50 * kMiB;  // 5.0 %
  watch.startWatch();
  timers.advance(120 * kMinute);
  EXPECT_TRUE(clearer.requests.empty());
}

TEST_F(MemoryWatchTest, NoEmergencyForSevenMinutesAfterARegularCheck) {
  watch.startWatch();
  timers.advance(15 * kMinute);  // the check finds 50 % free: nothing to do
  EXPECT_TRUE(clearer.requests.empty());
  state.learnedfree = 0;
  memory.setFreePercent(1.0);
  timers.advance(7 * kMinute - 1);
  EXPECT_TRUE(clearer.requests.empty());
  timers.advance(1);
  EXPECT_EQ(clearTimes, std::vector<std::uint64_t>{22 * kMinute});
}

TEST_F(MemoryWatchTest, NoTickStartsASecondClearingWhileOneRuns) {
  watch.startWatch();
  timers.advance(15 * kMinute - 1);
  memory.setFreePercent(1.0);  // below 5 % and below the learned level
  // The regular clearing takes sixteen minutes of message-loop turns: Timer2
  // sees tickcount reach 7 and Timer1 reach its next check during it.
  clearer.during = [this] {
    clearTimes.push_back(timers.now());
    timers.advance(16 * kMinute);
  };
  timers.advance(20 * kMinute);
  EXPECT_EQ(clearTimes, std::vector<std::uint64_t>{15 * kMinute});
}

TEST_F(MemoryWatchTest, RegularClearingKeepsTheEmergencyCheckOut) {
  // The reset order alone: Timer1 resets before clearing, so a
  // short regular clearing with Timer2 ticks inside it meets tickcount 0.
  watch.startWatch();
  timers.advance(15 * kMinute - 1);
  memory.setFreePercent(1.0);
  std::vector<std::int32_t> ticksSeen;
  clearer.during = [&] {
    clearTimes.push_back(timers.now());
    timers.advance(2 * kMinute);
    ticksSeen.push_back(state.tickcount);
  };
  timers.advance(3 * kMinute);
  EXPECT_EQ(clearTimes, std::vector<std::uint64_t>{15 * kMinute});
  EXPECT_EQ(ticksSeen, std::vector<std::int32_t>{2});
}

TEST_F(MemoryWatchTest, RealClearingWithTimersFiringInItsMessageLoop) {
  FakeAllocator allocator;
  FakePump pump;
  std::vector<std::string> log;
  FakePopup popup(log);
  RamClearer realClearer(state, memory, allocator, pump, popup);
  MemoryWatch realWatch(timers, memory, state, realClearer);
  // Each loop turn takes ten seconds: clearing 26 MB takes nine minutes.
  pump.onEveryTurn([this] { timers.advance(10000); });
  realWatch.startWatch();
  timers.advance(15 * kMinute - 1);
  memory.setFreePercent(30.0);
  timers.advance(1);

  EXPECT_EQ(allocator.claims, 27);
  EXPECT_EQ(allocator.live, 0);
  EXPECT_EQ(std::count(log.begin(), log.end(), "hide"), 1);
  EXPECT_EQ(log.front(), "view Clearing Ram... 26MB\r\n0% done.");
}

TEST(MegabytesToClearTest, DifferenceOfTheLearnedAndFreeBytes) {
  EXPECT_EQ(megabytesToClear(30.0, 40, 256 * kMiB), 26);  // 25.6003
  EXPECT_EQ(megabytesToClear(40.0, 40, 256 * kMiB), 0);
  // Above 4 GiB the true total counts: 10 % of 8 GiB is 819.207 units.
  EXPECT_EQ(megabytesToClear(30.0, 40, 8192 * kMiB), 819);
  EXPECT_EQ(megabytesToClear(0.0, 100, std::uint64_t{1} << 62), INT32_MAX);
}

}  // namespace
}  // namespace vorlane::testing
