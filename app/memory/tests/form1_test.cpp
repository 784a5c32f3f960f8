#include "app/memory/form1.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/memory/tests/memory_fakes.h"

namespace vorlane::testing {
namespace {

TEST(Form1Test, Command1ShowsTheTotalInTheUsersNumberFormat) {
  FakeMemorySource memory;
  std::vector<std::string> log;
  FakePopup popup(log);
  RecordingClearer clearer;
  FixedNumberFormat point(".");
  FixedNumberFormat comma(",");

  Form1(memory, popup, clearer, point).Command1_Click();
  Form1(memory, popup, clearer, comma).Command1_Click();
  memory.status.totalPhysBytes = 24 * 1024 * kMiB;
  Form1(memory, popup, clearer, point).Command1_Click();

  EXPECT_EQ(log, (std::vector<std::string>{"show 256.002197284484", "show 256,002197284484",
                                           "show 24576.2109393105"}));
  EXPECT_TRUE(clearer.requests.empty());
}

TEST(Form1Test, Command2ClearsTenMegabytes) {
  FakeMemorySource memory;
  std::vector<std::string> log;
  FakePopup popup(log);
  RecordingClearer clearer;
  FixedNumberFormat point(".");
  Form1(memory, popup, clearer, point).Command2_Click();
  EXPECT_EQ(clearer.requests, std::vector<std::int32_t>{10});
  EXPECT_TRUE(log.empty());
}

TEST(GeneralNumberTextTest, FifteenDigitsNoTrailingZerosExponentOnlyAtTheExtremes) {
  EXPECT_EQ(generalNumberText(24576.0, "."), "24576");
  EXPECT_EQ(generalNumberText(0.5, ","), "0,5");
  EXPECT_EQ(generalNumberText(-1.25, "."), "-1.25");
  EXPECT_EQ(generalNumberText(0.0, "."), "0");
  EXPECT_EQ(generalNumberText(1.0 / 3.0, "."), "0.333333333333333");
  EXPECT_EQ(generalNumberText(123456789012345.0, "."), "123456789012345");
  EXPECT_EQ(generalNumberText(1e15, "."), "1E+15");
  EXPECT_EQ(generalNumberText(0.0001, "."), "0.0001");
  EXPECT_EQ(generalNumberText(0.00001, ","), "1E-05");
  EXPECT_EQ(generalNumberText(1.5e-7, ","), "1,5E-07");
}

}  // namespace
}  // namespace vorlane::testing
