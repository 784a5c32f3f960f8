#include "host/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/twips.h"

namespace vorlane {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(RoundHalfEven, HalvesToEvenOthersToNearestOutOfRangeClamped) {
  const std::pair<double, std::int64_t> cases[] = {
      {12.5, 12},        {13.5, 14},
      {0.5, 0},          {-0.5, 0},
      {-1.5, -2},        {-2.5, -2},
      {2.4999999, 2},    {2.5000001, 3},
      {-2.6, -3},        {0.0, 0},
      {std::nan(""), 0}, {1e300, kMax},
      {-1e300, kMin},    {std::numeric_limits<double>::infinity(), kMax},
  };
  for (const auto& [value, rounded] : cases) {
    EXPECT_EQ(roundHalfEven(value), rounded) << value;
  }
}

TEST(Twips, PixelsAtTheScreensDpiAndFontPoints) {
  struct Case {
    double length;
    int dpi;
    int twipsPixels;   // the length read as twips
    int pointsPixels;  // the length read as points
  };
  const Case cases[] = {
      {3240, 96, 216, 4320},  {1665, 96, 111, 2220},  {50, 96, 3, 67},  // 3.33
      {7.5, 96, 0, 10},                                                 // a half goes to the even 0
      {22.5, 96, 2, 30},                                                // 1.5 goes to 2
      {8.25, 96, 1, 11},      {15.75, 96, 1, 21},     {9.75, 96, 1, 13},
      {1440, 120, 120, 2400}, {3240, 144, 324, 6480},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(twipsToPixels(c.length, c.dpi), c.twipsPixels) << c.length << " at " << c.dpi;
    EXPECT_EQ(pointsToPixels(c.length, c.dpi), c.pointsPixels) << c.length << " at " << c.dpi;
  }
}

}  // namespace
}  // namespace vorlane
