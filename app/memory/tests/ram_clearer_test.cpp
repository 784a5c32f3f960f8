#include "app/memory/ram_clearer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/memory/tests/memory_fakes.h"
#include "tests/fakes/fake_pump.h"

namespace vorlane::testing {
namespace {

std::string progress(int n, int percent) {
  return "viewmsg: Clearing Ram... " + std::to_string(n) + "MB\r\n" + std::to_string(percent) +
         "% done.";
}

class RamClearerTest : public ::testing::Test {
 protected:
  RamClearerTest() {
    // Every loop turn goes into the same log as the pop-up calls, so the order
    // of pumps and texts can be checked.
    pump.onEveryTurn([this] { log.push_back("pump"); });
  }

  std::vector<std::string> views() const {
    std::vector<std::string> result;
    for (const auto& entry : log) {
      if (entry.rfind("viewmsg: ", 0) == 0) {
        result.push_back(entry);
      }
    }
    return result;
  }

  ProgramState state;
  FakeMemorySource memory;
  FakeAllocator allocator;
  FakePump pump;
  std::vector<std::string> log;
  FakePopup popup{log};
  RamClearer clearer{state, memory, allocator, pump, pump, popup};
};

TEST_F(RamClearerTest, ClaimsWritesAndReleasesOneBlockMoreThanAskedWithOneTextEach) {
  std::int32_t n = 30;  // 256 MiB allow up to 64
  clearer.clearram(n);

  EXPECT_EQ(n, 30);
  EXPECT_EQ(allocator.sizes, std::vector<std::size_t>(31, 2 * kMiB));
  // All held until the last is written, all written in full, none kept.
  EXPECT_EQ(allocator.peakLive, 31);
  EXPECT_EQ(allocator.live, 0);
  EXPECT_EQ(allocator.releasedFullyWritten, 31);
  // Full turns only where the phase begins and ends; due turns in between.
  EXPECT_EQ(pump.pumpCount(), 2);
  EXPECT_FALSE(clearer.clearing());

  const auto texts = views();
  ASSERT_EQ(texts.size(), 31u);
  EXPECT_EQ(texts.front(), progress(30, 0));
  EXPECT_EQ(texts[1], progress(30, 3));  // 3.33
  EXPECT_EQ(texts[2], progress(30, 7));  // 6.67
  EXPECT_EQ(texts[15], progress(30, 50));
  EXPECT_EQ(texts.back(), progress(30, 100));
  EXPECT_EQ(state.clearpercent, 100);
  EXPECT_EQ(log.front(), "pump");
  EXPECT_EQ(log[log.size() - 2], "pump");
  EXPECT_EQ(log.back(), "hidemsg");
}

// Each clock reading moves the clock 0.5 ms on, as if writing a piece took
// that long: the loop is served once 2 ms have passed, never sooner, so no gap
// grows past 2 ms and a reading or two, however large the blocks.
TEST_F(RamClearerTest, ServesTheLoopWhenDueBetweenPiecesOfEachBlock) {
  std::uint64_t now = 0;
  pump.useClock([&now] { return now += 500; });
  std::vector<std::uint64_t> turns;
  pump.onEveryTurn([&] { turns.push_back(now); });
  std::int32_t n = 30;
  clearer.clearram(n);

  EXPECT_EQ(allocator.releasedFullyWritten, 31);
  // A due offer before each block, after each of its eight pieces, and after
  // it is given back.
  EXPECT_EQ(pump.dueOffers(), 31 * 10);
  ASSERT_GT(pump.dueTurns(), 31 * 10 / 6);
  ASSERT_LT(pump.dueTurns(), 31 * 10 / 3);
  for (std::size_t i = 1; i < turns.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_LE(turns[i] - turns[i - 1], 3000u);
    if (i + 1 < turns.size()) {  // the phase's last, full turn comes at once
      EXPECT_GE(turns[i] - turns[i - 1], 2000u);
    }
  }
}

TEST_F(RamClearerTest, QuitDuringTheClearingStopsClaimingAndReleasesEverything) {
  // Turn 1 begins the phase, turns 2-10 and 11-19 serve blocks 0 and 1, and
  // the quit comes on the first piece of block 2.
  for (int turn = 1; turn < 21; ++turn) {
    pump.script([] {});
  }
  pump.script([this] { pump.endProgram(); });
  std::int32_t n = 30;
  clearer.clearram(n);

  EXPECT_EQ(allocator.claims, 3);
  EXPECT_EQ(allocator.releasedFullyWritten, 2);
  EXPECT_EQ(allocator.live, 0);
  EXPECT_EQ(views().size(), 2u);
  EXPECT_EQ(log.back(), "hidemsg");
  EXPECT_FALSE(clearer.clearing());
}

TEST_F(RamClearerTest, HalvesOfThePercentageRoundToEven) {
  std::int32_t n = 8;  // steps of 12.5 %
  clearer.clearram(n);
  const auto texts = views();
  ASSERT_EQ(texts.size(), 9u);
  EXPECT_EQ(texts[1], progress(8, 12));
  EXPECT_EQ(texts[3], progress(8, 38));
  EXPECT_EQ(texts[5], progress(8, 62));
}

TEST_F(RamClearerTest, LowersTooLargeAmountsToAQuarterOfTheMemoryInMebibytes) {
  std::int32_t n = 200;
  clearer.clearram(n);
  EXPECT_EQ(n, 64);  // the caller sees the lowered figure
  EXPECT_EQ(allocator.claims, 65);
  EXPECT_EQ(views().front(), progress(64, 0));
}

TEST(CapClearingTest, UsesTheFull64BitTotalAndRoundsHalvesToEven) {
  EXPECT_EQ(capClearing(64, 256 * kMiB), 64);  // not above the cap: unchanged
  EXPECT_EQ(capClearing(10000, 24 * 1024 * kMiB), 6144);
  EXPECT_EQ(capClearing(5000, 8 * 1024 * kMiB), 2048);  // not truncated to 32 bits
  EXPECT_EQ(capClearing(100, 258 * kMiB), 64);          // 64.5 -> 64
  EXPECT_EQ(capClearing(100, 262 * kMiB), 66);          // 65.5 -> 66
  EXPECT_EQ(capClearing(-3, 256 * kMiB), -3);
  // No known total (a failed read gives 0): at most the one block of n = 0.
  EXPECT_EQ(capClearing(10, 0), 0);
  EXPECT_EQ(capClearing(INT32_MAX, 0), 0);
}

TEST_F(RamClearerTest, ZeroClaimsOneBlockAndKeepsTheLastPercentage) {
  state.clearpercent = 42;
  std::int32_t n = 0;
  clearer.clearram(n);
  EXPECT_EQ(allocator.claims, 1);
  EXPECT_EQ(state.clearpercent, 42);
  EXPECT_EQ(views(), std::vector<std::string>{progress(0, 42)});
  EXPECT_EQ(log.back(), "hidemsg");
}

TEST_F(RamClearerTest, NegativeAmountOnlyHidesThePopup) {
  std::int32_t n = -5;
  clearer.clearram(n);
  EXPECT_EQ(n, -5);
  EXPECT_EQ(allocator.claims, 0);
  EXPECT_EQ(pump.pumpCount(), 0);
  EXPECT_EQ(log, std::vector<std::string>{"hidemsg"});
}

TEST_F(RamClearerTest, OnlyTheExactStealthModeHidesProgressAndTheEndAlwaysHides) {
  for (const char* mode : {"stealth", "Stealth", "", "stealth ", "Stealth ", "Normal"}) {
    SCOPED_TRACE(mode);
    log.clear();
    state.runmode = mode;
    std::int32_t n = 2;
    clearer.clearram(n);
    EXPECT_EQ(views().size(), std::string(mode) == "stealth" ? 0u : 3u);
    EXPECT_EQ(log.back(), "hidemsg");
    EXPECT_EQ(state.clearpercent, 100);
  }
  EXPECT_EQ(allocator.releasedFullyWritten, 6 * 3);
}

TEST_F(RamClearerTest, FailingBlockIsSkippedAndTheRestGoesOn) {
  for (const auto failure : {FakeAllocator::Failure::kNull, FakeAllocator::Failure::kThrow}) {
    FakeAllocator failing;
    failing.failAt = 3;
    failing.failure = failure;
    RamClearer withFailure(state, memory, failing, pump, pump, popup);
    log.clear();
    std::int32_t n = 10;
    EXPECT_NO_THROW(withFailure.clearram(n));
    EXPECT_EQ(failing.claims, 11);
    EXPECT_EQ(failing.releasedFullyWritten, 10);
    EXPECT_EQ(failing.live, 0);
    EXPECT_EQ(views().size(), 11u);
    EXPECT_EQ(views().back(), progress(10, 100));
    EXPECT_EQ(log.back(), "hidemsg");
  }
}

TEST_F(RamClearerTest, ExhaustedMemorySkipsEveryLaterBlock) {
  allocator.failAt = 5;
  allocator.failEveryFrom = true;
  std::int32_t n = 64;
  clearer.clearram(n);
  EXPECT_EQ(allocator.claims, 65);
  EXPECT_EQ(allocator.releasedFullyWritten, 5);
  EXPECT_EQ(views().size(), 65u);
  EXPECT_EQ(log.back(), "hidemsg");
}

TEST_F(RamClearerTest, FailingPopupAndStatusReadAreSkipped) {
  popup.throwOnView = true;
  popup.throwOnHide = true;
  memory.failing = true;  // no cap can be worked out: the amount stays
  std::int32_t n = 3;
  EXPECT_NO_THROW(clearer.clearram(n));
  EXPECT_EQ(n, 3);
  EXPECT_EQ(allocator.releasedFullyWritten, 4);
  EXPECT_EQ(views().size(), 4u);
  EXPECT_EQ(log.back(), "hidemsg");
  EXPECT_FALSE(clearer.clearing());
}

TEST_F(RamClearerTest, CallFromInsideAClearingDoesNothing) {
  std::int32_t inner = 20;
  bool sawClearing = false;
  pump.script([&] {
    sawClearing = clearer.clearing();
    clearer.clearram(inner);
  });
  std::int32_t n = 2;
  clearer.clearram(n);
  EXPECT_TRUE(sawClearing);
  EXPECT_EQ(inner, 20);
  EXPECT_EQ(allocator.claims, 3);
  EXPECT_EQ(views().size(), 3u);
  EXPECT_EQ(std::count(log.begin(), log.end(), "hidemsg"), 1);
}

}  // namespace
}  // namespace vorlane::testing
