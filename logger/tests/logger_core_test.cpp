#include "logger/logger_core.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/fakes/fake_timers.h"

namespace vorlane {
namespace {

class FakeMemory final : public MemoryStatusSource {
 public:
  MemoryStatus read() override { return status; }
  MemoryStatus status{1000, 250};
};

class FakeFiles final : public TextFiles {
 public:
  OpenedText openForReading(const std::string&) override { return {nullptr, OpenFailure::Missing}; }
  std::optional<std::string> readAll(const std::string& path) override {
    const auto found = files.find(path);
    return found == files.end() ? std::nullopt : std::optional<std::string>(found->second);
  }
  bool truncate(const std::string& path) override {
    ++truncations;
    if (failTruncate) {
      return false;
    }
    files[path].clear();
    return true;
  }
  bool append(const std::string& path, std::string_view text) override {
    if (failAppend) {
      return false;
    }
    files[path] += text;
    return true;
  }

  std::map<std::string, std::string> files;
  int truncations = 0;
  bool failTruncate = false;
  bool failAppend = false;
};

class LoggerCoreTest : public ::testing::Test {
 protected:
  FakeMemory memory_;
  FakeFiles files_;
  testing::FakeTimerService timers_;
  LoggerCore logger_{"C:\\Apps\\log.dat", memory_, files_, timers_};
};

TEST_F(LoggerCoreTest, EmptiesTheLogAtStartAndSamplesOnceAMinute) {
  files_.files["C:\\Apps\\log.dat"] = "50\r\n";
  EXPECT_TRUE(logger_.start());
  EXPECT_EQ(files_.files["C:\\Apps\\log.dat"], "");

  timers_.advance(59999);
  EXPECT_EQ(files_.files["C:\\Apps\\log.dat"], "");
  timers_.advance(1);
  EXPECT_EQ(files_.files["C:\\Apps\\log.dat"], "25\r\n");

  memory_.status = {3, 2};
  timers_.advance(60000);
  memory_.status = {1000, 1000};
  timers_.advance(60000);
  EXPECT_EQ(files_.files["C:\\Apps\\log.dat"], "25\r\n66.6666666666667\r\n100\r\n");
  EXPECT_EQ(files_.truncations, 1);
}

TEST_F(LoggerCoreTest, FailuresToEmptyOrAppendCostThatSampleOnly) {
  files_.files["C:\\Apps\\log.dat"] = "70\r\n";
  files_.failTruncate = true;
  EXPECT_FALSE(logger_.start());
  timers_.advance(60000);
  files_.failAppend = true;
  timers_.advance(60000);
  files_.failAppend = false;
  memory_.status = {1000, 500};
  timers_.advance(60000);
  EXPECT_EQ(files_.files["C:\\Apps\\log.dat"], "70\r\n25\r\n50\r\n");
}

}  // namespace
}  // namespace vorlane
