#include "app/memory/form1.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/memory/tests/memory_fakes.h"

namespace vorlane::testing {
namespace {

TEST(Form1Test, Command1ShowsTheTotalInTheUsersNumberFormatAndCommand2ClearsTen) {
  struct Case {
    std::uint64_t totalBytes;
    const char* separator;
    const char* shown;
  };
  const Case cases[] = {
      {256 * kMiB, ".", "showmsg: 256.002197284484"},
      {256 * kMiB, ",", "showmsg: 256,002197284484"},
      {24 * 1024 * kMiB, ".", "showmsg: 24576.2109393105"},
  };
  for (const Case& c : cases) {
    FakeMemorySource memory;
    memory.status.totalPhysBytes = c.totalBytes;
    std::vector<std::string> log;
    FakePopup popup(log);
    RecordingClearer clearer;
    FixedNumberFormat format(c.separator);
    Form1 form(memory, popup, clearer, format);
    form.Command1_Click();
    EXPECT_EQ(log, std::vector<std::string>{c.shown});
    EXPECT_TRUE(clearer.requests.empty());
    form.Command2_Click();
    EXPECT_EQ(clearer.requests, std::vector<std::int32_t>{10});
    EXPECT_EQ(log.size(), 1u);
  }
}

TEST(GeneralNumberTextTest, FifteenDigitsNoTrailingZerosExponentOnlyAtTheExtremes) {
  struct Case {
    double value;
    const char* separator;
    const char* text;
  };
  const Case cases[] = {
      {24576.0, ".", "24576"},
      {0.5, ",", "0,5"},
      {-1.25, ".", "-1.25"},
      {0.0, ".", "0"},
      {1.0 / 3.0, ".", "0.333333333333333"},
      {123456789012345.0, ".", "123456789012345"},
      {999999999999999.4, ".", "999999999999999"},
      {1e15, ".", "1E+15"},
      {0.0001, ".", "0.0001"},
      {0.00001, ",", "1E-05"},
      {1.5e-7, ",", "1,5E-07"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(generalNumberText(c.value, c.separator), c.text) << c.value;
  }
}

}  // namespace
}  // namespace vorlane::testing
