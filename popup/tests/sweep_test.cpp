#include "popup/sweep.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorlane {
namespace {

TEST(Sweep, FirstTickAfterCreationTurnsLeftAtTheEnd) {
  Sweep sweep;
  sweep.tick();
  EXPECT_EQ(sweep.left, 2400);
  EXPECT_FALSE(sweep.rightwards);
}

TEST(Sweep, SixteenTicksFromEndToEndTurningOnTheTickThatArrives) {
  Sweep sweep;
  sweep.tick();
  std::vector<int> lefts;
  for (int i = 0; i < 16; ++i) {
    sweep.tick();
    lefts.push_back(sweep.left);
  }
  EXPECT_EQ(lefts.front(), 2250);
  EXPECT_EQ(lefts.back(), 0);
  EXPECT_TRUE(sweep.rightwards);
  sweep.tick();
  EXPECT_EQ(sweep.left, 150);
}

TEST(Sweep, OnlyGridPositions) {
  Sweep sweep;
  for (int i = 0; i < 1000; ++i) {
    sweep.tick();
    ASSERT_GE(sweep.left, 0);
    ASSERT_LE(sweep.left, 2400);
    ASSERT_EQ(sweep.left % 150, 0);
  }
}

TEST(Sweep, AdvanceEqualsTickingOneByOne) {
  for (std::uint64_t ticks :
       {0ULL, 1ULL, 2ULL, 17ULL, 31ULL, 32ULL, 33ULL, 34ULL, 100ULL, 12345ULL}) {
    Sweep stepped;
    for (std::uint64_t i = 0; i < ticks; ++i) {
      stepped.tick();
    }
    Sweep advanced;
    advanced.advance(ticks);
    EXPECT_EQ(advanced.left, stepped.left) << ticks;
    EXPECT_EQ(advanced.rightwards, stepped.rightwards) << ticks;
  }
}

TEST(Sweep, AdvanceOverDaysIsCheap) {
  Sweep sweep;
  sweep.advance(5ULL * 24 * 3600 * 1000 / 50);  // five days of ticks: 8640000
  // 8640000 = 1 + 32 * 269999 + 31: the turn at 2400, whole cycles, then 16
  // ticks down to 0 and 15 back up.
  EXPECT_EQ(sweep.left, 2250);
  EXPECT_TRUE(sweep.rightwards);
}

}  // namespace
}  // namespace vorlane
