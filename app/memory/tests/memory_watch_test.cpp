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

// Steady memory figures and the clearings they lead to, by minute and amount.
struct SteadyCase {
  const char* name;
  std::int32_t learnedfree;
  std::uint64_t totalBytes;
  std::uint64_t availBytes;
  std::uint64_t minutes;
  std::vector<std::uint64_t> clearMinutes;
  std::vector<std::int32_t> megabytes;
};

TEST_F(MemoryWatchTest, SteadyFiguresClearAtTheirMinutes) {
  const std::vector<SteadyCase> cases = {
      // 30 % free of 256 MiB against 40 % learned: 25.6003 units.
      {"worked example", 40, 256 * kMiB, 256 * kMiB * 3 / 10, 29, {15}, {26}},
      {"every fifteen minutes", 40, 256 * kMiB, 64 * kMiB, 46, {15, 30, 45}, {38, 38, 38}},
      {"just above the learned level", 25, 256 * kMiB, 64 * kMiB + 1, 29, {}, {}},
      {"at the learned level", 25, 256 * kMiB, 64 * kMiB, 29, {15}, {0}},
      {"emergency every seven minutes", 0, 10000 * kMiB, 499 * kMiB, 14, {7, 14}, {30, 30}},
      {"5.0 % is no emergency", 0, 1000 * kMiB, 50 * kMiB, 120, {}, {}},
  };
  for (const SteadyCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakeTimerService caseTimers;
    ProgramState caseState;
    caseState.learnedfree = c.learnedfree;
    memory.status = MemoryStatus{c.totalBytes, c.availBytes};
    RecordingClearer caseClearer;
    std::vector<std::uint64_t> minutes;
    MemoryWatch caseWatch(caseTimers, memory, caseState, caseClearer);
    caseTimers.advance(kMinute * 60);
    EXPECT_TRUE(caseClearer.requests.empty()) << "both timers start disabled";
    const std::uint64_t start = caseTimers.now();
    caseClearer.during = [&] { minutes.push_back((caseTimers.now() - start) / kMinute); };
    caseWatch.startWatch();
    caseWatch.startWatch();  // a second start changes nothing
    caseTimers.advance(c.minutes * kMinute);
    EXPECT_EQ(minutes, c.clearMinutes);
    EXPECT_EQ(caseClearer.requests, c.megabytes);
  }
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

TEST_F(MemoryWatchTest, RealClearingWithTimersFiringInItsMessageLoop) {
  FakeAllocator allocator;
  FakePump pump;
  std::vector<std::string> log;
  FakePopup popup(log);
  RamClearer realClearer(state, memory, allocator, pump, pump, popup);
  MemoryWatch realWatch(timers, memory, state, realClearer);
  // Each loop turn takes ten seconds: clearing 26 MB takes nine minutes.
  pump.onEveryTurn([this] { timers.advance(10000); });
  realWatch.startWatch();
  timers.advance(15 * kMinute - 1);
  memory.setFreePercent(30.0);
  timers.advance(1);

  EXPECT_EQ(allocator.claims, 27);
  EXPECT_EQ(allocator.live, 0);
  EXPECT_EQ(std::count(log.begin(), log.end(), "hidemsg"), 1);
  EXPECT_EQ(log.front(), "viewmsg: Clearing Ram... 26MB\r\n0% done.");
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
