#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "app/memory/form1.h"
#include "app/memory/memory_watch.h"
#include "tests/fakes/fake_popup.h"

namespace vorlane::testing {
namespace {

using Log = std::vector<std::string>;
constexpr std::uint64_t kMiB = 1024 * 1024;
constexpr std::uint64_t kMinute = 60000;

struct FakeMemory final : MemoryStatusSource {
  MemoryStatus read() override {
    return failing ? throw std::runtime_error("status unavailable") : status;
  }
  MemoryStatus status{256 * kMiB, 128 * kMiB};  // allows clearing 64 at most
  bool failing = false;
};

// Heap blocks, counted; a block notes when it goes whether all of it was
// written. Claims number `failFrom` (0-based) to `failTo` fail: null, or throw.
struct FakeAllocator final : BlockAllocator {
  std::unique_ptr<MemoryBlock> claim(std::size_t bytes) override {
    const int index = claims++;
    if (index >= failFrom && index <= failTo) {
      return throws ? throw std::bad_alloc() : nullptr;
    }
    return std::make_unique<Block>(*this, bytes);
  }
  struct Block final : MemoryBlock {
    Block(FakeAllocator& from, std::size_t size) : owner(from), bytes(size, 0) {
      owner.peakLive = std::max(owner.peakLive, ++owner.live);
    }
    ~Block() override {
      --owner.live;
      owner.fullyWritten += std::count(bytes.begin(), bytes.end(), 0) == 0;
    }
    unsigned char* data() override { return bytes.data(); }
    std::size_t size() const override { return bytes.size(); }
    FakeAllocator& owner;
    std::vector<unsigned char> bytes;
  };
  int claims = 0, failFrom = -1, failTo = -1, live = 0, peakLive = 0, fullyWritten = 0;
  bool throws = false;
};

// Records the amounts asked for; runs `during` in the middle, as the loop would.
struct RecordingClearer final : RamClearing {
  void clearram(std::int32_t& n) override {
    requests.push_back(n);
    busy = true;
    during();
    busy = false;
  }
  bool clearing() const override { return busy; }
  std::vector<std::int32_t> requests;
  std::function<void()> during = [] {};
  bool busy = false;
};

std::string progress(int n, int percent) {
  return "viewmsg: Clearing Ram... " + std::to_string(n) + "MB\r\n" + std::to_string(percent) +
         "% done.";
}

class RamClearerTest : public ::testing::Test {
 protected:
  std::int32_t clear(std::int32_t n, FakeAllocator& blocks) {
    log.clear();
    RamClearer(state, memory, blocks, pump, pump, popup).clearram(n);
    return n;
  }

  ProgramState state;
  FakeMemory memory;
  FakeAllocator allocator;
  FakePump pump;
  Log log;
  FakePopup popup{log};
};

// A call made from the loop during a clearing does nothing.
TEST_F(RamClearerTest, ClaimsWritesAndReleasesOneBlockMoreThanAsked) {
  RamClearer clearer(state, memory, allocator, pump, pump, popup);
  std::int32_t inner = 20;
  pump.script([&] {
    EXPECT_TRUE(clearer.clearing());
    clearer.clearram(inner);
  });
  std::int32_t n = 30;
  clearer.clearram(n);
  EXPECT_EQ(inner, 20);
  EXPECT_FALSE(clearer.clearing());
  EXPECT_EQ(allocator.peakLive, 31);     // all held until the last is written
  EXPECT_EQ(pump.pumpCount(), 2);        // full turns where the phase begins and ends
  EXPECT_EQ(pump.dueOffers(), 31 * 10);  // per block, per 256 KiB piece, per release
}

TEST_F(RamClearerTest, QuitDuringTheClearingStopsClaimingAndReleasesEverything) {
  // Turn 1 begins the phase, turns 2-10 and 11-19 serve blocks 0 and 1, and
  // the quit comes on the first piece of block 2.
  for (int turn = 1; turn < 21; ++turn) {
    pump.script([] {});
  }
  pump.script([this] { pump.endProgram(); });
  clear(30, allocator);
  EXPECT_EQ(allocator.claims, 3);
  EXPECT_EQ(allocator.fullyWritten, 2);
  EXPECT_EQ(allocator.live, 0);
  EXPECT_EQ(log, (Log{progress(30, 0), progress(30, 3), "hidemsg"}));
}

// The amount as asked and as cleared (capped to a quarter of the memory in
// MiB), and the percentage shown per block: only the exact "stealth" hides it.
TEST_F(RamClearerTest, AmountsPercentagesTheCapAndStealth) {
  const struct {
    std::int32_t n;
    std::uint64_t totalMiB;
    const char* mode;
    std::int32_t cleared;
    std::vector<int> percents;
  } cases[] = {
      {8, 256, "", 8, {0, 12, 25, 38, 50, 62, 75, 88, 100}},  // halves to even
      {200, 16, "normal", 4, {0, 25, 50, 75, 100}},
      {0, 256, "Stealth", 0, {42}},  // no share to work out: the last figure stays
      {-5, 256, "", -5, {}},
      {2, 256, "stealth ", 2, {0, 50, 100}},
      {2, 256, "stealth", 2, {}},
  };
  for (const auto& c : cases) {
    FakeAllocator blocks;
    memory.status.totalPhysBytes = c.totalMiB * kMiB;
    state.runmode = c.mode;
    state.clearpercent = 42;
    EXPECT_EQ(clear(c.n, blocks), c.cleared);
    EXPECT_EQ(blocks.fullyWritten, std::max(c.cleared + 1, 0));
    Log texts;
    for (const int percent : c.percents) {
      texts.push_back(progress(c.cleared, percent));
    }
    texts.push_back("hidemsg");
    EXPECT_EQ(log, texts) << c.n << c.mode;
  }
  EXPECT_EQ(capClearing(5000, 8 * 1024 * kMiB), 2048);  // the full 64-bit total
  EXPECT_EQ(capClearing(100, 258 * kMiB), 64);          // 64.5
  EXPECT_EQ(capClearing(100, 262 * kMiB), 66);          // 65.5
  EXPECT_EQ(capClearing(INT32_MAX, 0), 0);              // no known total: one block
}

// A block that cannot be had (null, thrown, memory exhausted), a failing pop-up
// and a failing status read are each skipped, and the rest goes on.
TEST_F(RamClearerTest, StepsThatFailAreSkippedAndTheRestGoesOn) {
  for (const auto& [failFrom, failTo, throws, written] :
       {std::tuple{3, 3, false, 10}, {3, 3, true, 10}, {5, 1000, false, 5}}) {
    FakeAllocator failing;
    std::tie(failing.failFrom, failing.failTo, failing.throws) = std::tie(failFrom, failTo, throws);
    EXPECT_NO_THROW(clear(10, failing));
    EXPECT_EQ(failing.claims, 11);
    EXPECT_EQ(failing.fullyWritten, written) << failTo;
    EXPECT_EQ(log[log.size() - 2], progress(10, 100));
  }
  popup.throwOnStatus = memory.failing = true;
  EXPECT_EQ(clear(3, allocator), 3);  // no cap can be worked out: the amount stays
  EXPECT_EQ(allocator.fullyWritten, 4);
  EXPECT_EQ(log.size(), 5u);
}

struct WatchRig {
  FakeTimerService timers;
  FakeMemory memory;
  ProgramState state;
  RecordingClearer clearer;
  MemoryWatch watch{timers, memory, state, clearer};
  std::vector<std::uint64_t> minutes;  // of each clearing
};

TEST(MemoryWatchTest, SteadyFiguresClearAtTheirMinutes) {
  const struct {
    const char* name;
    std::int32_t learnedfree;
    std::uint64_t totalBytes, availBytes, minutes;
    std::vector<std::uint64_t> clearMinutes;
    std::vector<std::int32_t> megabytes;
  } cases[] = {
      // 30 % free of 256 MiB against 40 % learned: 25.6003 units.
      {"worked example", 40, 256 * kMiB, 256 * kMiB * 3 / 10, 46, {15, 30, 45}, {26, 26, 26}},
      {"just above the learned level", 25, 256 * kMiB, 64 * kMiB + 1, 29, {}, {}},
      {"at the learned level", 25, 256 * kMiB, 64 * kMiB, 29, {15}, {0}},
      {"emergency every seven minutes", 0, 10000 * kMiB, 499 * kMiB, 14, {7, 14}, {30, 30}},
      {"5.0 % is no emergency", 0, 1000 * kMiB, 50 * kMiB, 120, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WatchRig rig;
    rig.memory.status = MemoryStatus{c.totalBytes, c.availBytes};
    rig.state.learnedfree = c.learnedfree;
    rig.timers.advance(kMinute * 60);
    rig.clearer.during = [&] { rig.minutes.push_back(rig.timers.milliseconds() / kMinute - 60); };
    rig.watch.startWatch();
    rig.watch.startWatch();  // a second start changes nothing
    rig.timers.advance(c.minutes * kMinute);
    EXPECT_EQ(rig.minutes, c.clearMinutes);
    EXPECT_EQ(rig.clearer.requests, c.megabytes);
  }
  EXPECT_EQ(megabytesToClear(30.0, 40, 8192 * kMiB), 819);  // 819.207
  EXPECT_EQ(megabytesToClear(0.0, 100, std::uint64_t{1} << 62), INT32_MAX);
  EXPECT_EQ(megabytesToClear(100.0, 0, std::uint64_t{1} << 62), INT32_MIN);
}

// A clearing that takes sixteen minutes of loop turns: neither timer starts
// another one meanwhile, and the emergency waits seven ticks after the reset.
TEST(MemoryWatchTest, NoTickStartsASecondClearingWhileOneRuns) {
  WatchRig rig;
  rig.state.learnedfree = 40;
  rig.clearer.during = [&] {
    rig.minutes.push_back(rig.timers.milliseconds() / kMinute);
    if (rig.minutes.size() == 1) {
      rig.timers.advance(16 * kMinute);
    }
  };
  rig.watch.startWatch();
  rig.timers.advance(15 * kMinute - 1);
  rig.memory.status.availPhysBytes = 2 * kMiB;  // below 5 % and below the learned level
  rig.timers.advance(30 * kMinute);
  EXPECT_EQ(rig.minutes, (std::vector<std::uint64_t>{15, 37, 44}));
}

TEST(Form1Test, Command1ShowsTheTotalInTheUsersFormatAndCommand2ClearsTen) {
  FakeMemory memory;
  memory.status.totalPhysBytes = 24 * 1024 * kMiB;
  Log log;
  FakePopup popup(log);
  RecordingClearer clearer;
  Form1 form(memory, popup, clearer, [] { return std::string(","); });
  form.Command1_Click();
  EXPECT_EQ(log, Log{"showmsg: 24576,2109393105"});
  form.Command2_Click();
  EXPECT_EQ(clearer.requests, std::vector<std::int32_t>{10});
  EXPECT_EQ(generalNumberText(1e15, "."), "1E+15");
  EXPECT_EQ(generalNumberText(1.5e-7, ","), "1,5E-07");
}

}  // namespace
}  // namespace vorlane::testing
