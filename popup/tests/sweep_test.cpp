#include "popup/sweep.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

// Where the bar is after a number of ticks from creation, reached one tick at
// a time (along the grid of 150 twips between 0 and 2400) and in one advance.
TEST(Sweep, PositionAfterTicksSteppedOrAdvanced) {
  struct Case {
    std::uint64_t ticks;
    int left;
    bool rightwards;
  };
  const Case cases[] = {
      {0, 2400, true},
      {1, 2400, false},  // the first tick clamps at the end and turns
      {2, 2250, false},
      {16, 150, false},
      {17, 0, true},  // sixteen ticks from end to end, turning on the one that arrives
      {18, 150, true},
      {33, 2400, false},
      {34, 2250, false},
      {12345, 1200, true},
      // Five days: 1 + 32 * 269999 + 31 ticks, done without stepping.
      {5ULL * 24 * 3600 * 1000 / 50, 2250, true},
  };
  for (const Case& c : cases) {
    Sweep advanced;
    advanced.advance(c.ticks);
    EXPECT_EQ(advanced.left, c.left) << c.ticks;
    EXPECT_EQ(advanced.rightwards, c.rightwards) << c.ticks;
    if (c.ticks > 100000) {
      continue;
    }
    Sweep stepped;
    for (std::uint64_t i = 0; i < c.ticks; ++i) {
      stepped.tick();
      ASSERT_EQ(stepped.left % 150, 0) << i;
      ASSERT_GE(stepped.left, 0) << i;
      ASSERT_LE(stepped.left, 2400) << i;
    }
    EXPECT_EQ(stepped.left, c.left) << c.ticks;
    EXPECT_EQ(stepped.rightwards, c.rightwards) << c.ticks;
  }
}

}  // namespace
}  // namespace vorlane
