#include "host/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/twips.h"

namespace vorlane {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(12.5), 12);
  EXPECT_EQ(roundHalfEven(13.5), 14);
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(-0.5), 0);
  EXPECT_EQ(roundHalfEven(-1.5), -2);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
}

TEST(RoundHalfEven, NonHalvesGoToTheNearest) {
  EXPECT_EQ(roundHalfEven(2.4999999), 2);
  EXPECT_EQ(roundHalfEven(2.5000001), 3);
  EXPECT_EQ(roundHalfEven(-2.6), -3);
  EXPECT_EQ(roundHalfEven(0.0), 0);
}

TEST(RoundHalfEven, OutOfRangeAndNanClamp) {
  EXPECT_EQ(roundHalfEven(std::nan("")), 0);
  EXPECT_EQ(roundHalfEven(1e300), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(roundHalfEven(-1e300), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::infinity()),
            std::numeric_limits<std::int64_t>::max());
}

TEST(Twips, FifteenTwipsToThePixelAt96Dpi) {
  EXPECT_EQ(twipsToPixels(3240, 96), 216);
  EXPECT_EQ(twipsToPixels(1665, 96), 111);
  EXPECT_EQ(twipsToPixels(2400, 96), 160);
  EXPECT_EQ(twipsToPixels(50, 96), 3);   // 3.33
  EXPECT_EQ(twipsToPixels(7.5, 96), 0);  // a half goes to the even 0
  EXPECT_EQ(twipsToPixels(22.5, 96), 2);
}

TEST(Twips, OtherDpiAndFontPoints) {
  EXPECT_EQ(twipsToPixels(1440, 120), 120);
  EXPECT_EQ(twipsToPixels(3240, 144), 324);
  EXPECT_EQ(pointsToPixels(8.25, 96), 11);
  EXPECT_EQ(pointsToPixels(15.75, 96), 21);
  EXPECT_EQ(pointsToPixels(9, 96), 12);
  EXPECT_EQ(pointsToPixels(9.75, 96), 13);
}

}  // namespace
}  // namespace vorlane
