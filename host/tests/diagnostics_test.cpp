#include "host/diagnostics.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

TEST(TimeScale, WholeNumbersFromOneUpAnythingElseIsRealTime) {
  EXPECT_EQ(parseTimeScale("60"), 60u);
  for (const char* text : {"", "0", "-5", "abc", "12x", "99999999999999999999999"}) {
    EXPECT_EQ(parseTimeScale(text), 1u) << text;
  }
  EXPECT_EQ(parseTimeScale(nullptr), 1u);
}

TEST(TimeScale, IntervalsDivideWithATenMillisecondFloor) {
  EXPECT_EQ(scaledInterval(60000, 60), 1000u);
  EXPECT_EQ(scaledInterval(50, 60), 10u);
  EXPECT_EQ(scaledInterval(5, 1), 5u);  // unscaled intervals are left to the system
  EXPECT_EQ(scaledInterval(0, 60), 0u);
}

TEST(MemoryFigures, TotalThenAvailable) {
  const auto status = parseMemoryFigures("8589934592 1073741824\r\n");
  ASSERT_TRUE(status);
  EXPECT_EQ(status->totalPhysBytes, 8589934592ULL);
  EXPECT_EQ(status->availPhysBytes, 1073741824ULL);
}

TEST(MemoryFigures, MalformedOversizedOrImpossibleTextKeepsTheRealFigures) {
  for (const std::string& text :
       {std::string(), std::string("100"), std::string("100 abc"), std::string("abc 100"),
        std::string("100 50 7"), std::string("-100 50"), std::string("0 0"), std::string("50 100"),
        std::string("100 50x"), std::string("99999999999999999999999 5"),
        "100 50" + std::string(kMemoryFileMaxBytes, ' ')}) {
    EXPECT_FALSE(parseMemoryFigures(text)) << text;
  }
  EXPECT_TRUE(parseMemoryFigures("100 50" + std::string(kMemoryFileMaxBytes - 6, ' ')));
}

}  // namespace
}  // namespace vorlane
