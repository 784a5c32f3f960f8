#include "host/memory_status.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

TEST(FreePercent, UsesTheTrue64BitFigures) {
  MemoryStatus status;
  status.totalPhysBytes = 24ULL << 30;  // beyond any 32-bit figure
  status.availPhysBytes = 6ULL << 30;
  EXPECT_DOUBLE_EQ(freePercent(status), 25.0);
}

TEST(FreePercent, IsNotRounded) {
  MemoryStatus status;
  status.totalPhysBytes = 3;
  status.availPhysBytes = 1;
  EXPECT_DOUBLE_EQ(freePercent(status), 100.0 / 3.0);
}

TEST(FreePercent, NoTotalCountsAsAllFree) { EXPECT_DOUBLE_EQ(freePercent(MemoryStatus{}), 100.0); }

}  // namespace
}  // namespace vorlane
