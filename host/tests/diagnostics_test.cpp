#include "host/diagnostics.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

TEST(TimeScale, WholeNumbersFromOneUpAnythingElseIsRealTime) {
  const std::pair<const char*, unsigned> cases[] = {
      {"60", 60}, {"1", 1},   {nullptr, 1},
      {"", 1},    {"0", 1},   {"-5", 1},
      {"abc", 1}, {"12x", 1}, {"99999999999999999999999", 1},
  };
  for (const auto& [text, scale] : cases) {
    EXPECT_EQ(parseTimeScale(text), scale) << (text ? text : "(unset)");
  }
}

TEST(TimeScale, IntervalsDivideWithATenMillisecondFloor) {
  struct Case {
    unsigned interval;
    unsigned scale;
    unsigned scaled;
  };
  const Case cases[] = {
      {60000, 60, 1000}, {50, 60, 10}, {3000, 1000, 10},
      {50, 1, 50},       {5, 1, 5},  // unscaled intervals are left to the system
      {0, 60, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(scaledInterval(c.interval, c.scale), c.scaled) << c.interval << " / " << c.scale;
  }
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
