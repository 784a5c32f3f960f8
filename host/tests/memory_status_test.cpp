#include "host/memory_status.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

TEST(FreePercent, TheTrue64BitFiguresUnroundedAndNoTotalAsAllFree) {
  struct Case {
    std::uint64_t total;
    std::uint64_t avail;
    double percent;
  };
  const Case cases[] = {
      {24ULL << 30, 6ULL << 30, 25.0},  // beyond any 32-bit figure
      {3, 1, 100.0 / 3.0},
      {0, 0, 100.0},
      {0, 5, 100.0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(freePercent(MemoryStatus{c.total, c.avail}), c.percent) << c.total;
  }
}

}  // namespace
}  // namespace vorlane
