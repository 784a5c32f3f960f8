// Every later start of Vorlane: the log tabulated into the learned level, the
// logger started afresh, and the watch clearing memory when free memory falls
// below that level; and the three ways the learning can go wrong.

#include "tests/e2e/scenario.h"

namespace vorlane::e2e {
namespace {

class Learning : public Scenario {
 protected:
  // 37.4 and 38.6 read as 37 and 39: the learned level is 38. `pairs` of them
  // make a log long enough for its progress texts to be seen.
  void writeLog(int pairs) const {
    std::string log;
    for (int i = 0; i < pairs; ++i) {
      log += "37.4\r\n38.6\r\n";
    }
    ASSERT_TRUE(writeFileText(path("log.dat"), log));
  }

  void laterStart(const std::string& mode) const {
    setSetting("firstuse", "True");
    setSetting("mode", mode);
  }

  bool logEmptiedByTheLogger() const {
    const auto log = readFileText(path("log.dat"));
    return log && log->find("37.4") == std::string::npos;
  }
};

// 2 GiB in all, 30 % free: with the learned 38 %, a check clears
// (38 - 30) % of 2 GiB in 1048567-byte megabytes, 164 (37 would give 143).
const char* const kThirtyPercentOfTwoGiB = "2147483648 644245094";
const char* const kClearingPrefix = "Clearing Ram... ";

TEST_F(Learning, PreparedLogIsLearnedAndTheWatchClearsWithProgress) {
  laterStart("normal");
  writeLog(2000);
  const Process vorlane = start("Vorlane.exe", fastEnvironment(1000, kThirtyPercentOfTwoGiB));
  const DWORD pid = vorlane.id();

  // Read every 2 ms: a reader that never pauses would slow the program down.
  // The learning's own texts stand for milliseconds only (the loop is served
  // by the clock), too briefly for another process to catch them reliably;
  // the native tests check them. The 164 MB below show what was learned.
  TextWatch watch(pid);
  ASSERT_TRUE(watch.watchUntil([&] { return watch.seenStartingWith(kClearingPrefix); }, 30000, 2))
      << "no clearing progress; seen: " << ::testing::PrintToString(watch.history());
  EXPECT_FALSE(watch.seen(kGreeting));
  const std::string progress = *watch.firstStartingWith(kClearingPrefix);
  EXPECT_EQ(progress.rfind("Clearing Ram... 164MB\r\n", 0), 0u) << progress;
  EXPECT_EQ(progress.substr(progress.size() - 7), "% done.") << progress;

  // The next checks clear again, and twice as much of a 4 GiB machine (328 MB,
  // 658 MB written): a progress that stands long enough for a picture.
  ASSERT_TRUE(writeFileText(path("memory.txt"), "4294967296 1288490189"));
  HWND shown = waitForTextWhere(
      pid, [](const std::string& text) { return text.rfind(kClearingPrefix, 0) == 0; }, 5000);
  ASSERT_NE(shown, nullptr);
  // At once: the progress stands for a moment only.
  EXPECT_TRUE(saveScreenshot(shown, "learning-clearing-progress", 20));

  EXPECT_TRUE(vorlane.running()) << "the watch ended";
  EXPECT_TRUE(waitForOneLogger());
  EXPECT_TRUE(eventually([&] { return logEmptiedByTheLogger(); }, 5000));
}

TEST_F(Learning, StealthModeClearsWithoutAWord) {
  laterStart("stealth");
  writeLog(1);
  const Process vorlane = start("Vorlane.exe", fastEnvironment(1000, kThirtyPercentOfTwoGiB));
  const DWORD pid = vorlane.id();
  ASSERT_TRUE(waitForOneLogger());

  // A check every 0.9 s claims and writes 165 blocks of 2 MiB; the process's
  // peak working set shows that one ran, however long a loaded machine takes.
  TextWatch watch(pid);
  const bool cleared = watch.watchUntil(
      [&] {
        const auto peak = peakWorkingSet(pid);
        return peak.has_value() && *peak >= (std::size_t{300} << 20);
      },
      20000);
  EXPECT_TRUE(cleared) << "no clearing happened";
  EXPECT_FALSE(watch.seenStartingWith(kClearingPrefix));
  EXPECT_FALSE(watch.seen(kGreeting));
  EXPECT_TRUE(vorlane.running());
}

TEST_F(Learning, MissingLogStartsTheLearningAgainWithTheDefaults) {
  laterStart("stealth");
  setSetting("startrun", "false");
  const Process vorlane = start("Vorlane.exe", fastEnvironment(10));
  const DWORD pid = vorlane.id();

  HWND message = waitForText(pid, "Corrupted / Missing Log File!", 5000);
  ASSERT_NE(message, nullptr);
  EXPECT_TRUE(saveScreenshot(message, "learning-missing-log"));
  ASSERT_TRUE(clickText(pid, "Next"));
  pageThroughLearning(pid);
  ASSERT_FALSE(HasFatalFailure());
  expectFinishedWithDefaults(vorlane);
}

TEST_F(Learning, EmptyLogGreetsAsOnAFirstUseWithTheLoggerRunning) {
  laterStart("normal");
  ASSERT_TRUE(writeFileText(path("log.dat"), ""));
  const Process vorlane = start("Vorlane.exe", fastEnvironment(10));
  const DWORD pid = vorlane.id();

  TextWatch watch(pid);
  ASSERT_TRUE(watch.watchUntil([&] { return watch.seen(kGreeting); }, 5000));
  EXPECT_EQ(loggersRunning(), 1u) << "the logger starts before the tabulation fails";
  ASSERT_TRUE(clickText(pid, "Next"));
  EXPECT_NE(waitForText(pid, "Options", 5000), nullptr);
}

TEST_F(Learning, MissingLoggerIsReportedAndEndsTheProgram) {
  laterStart("normal");
  writeLog(1);
  ASSERT_TRUE(::DeleteFileA(path("logger.exe").c_str()));
  const Process vorlane = start("Vorlane.exe", fastEnvironment(10));
  const DWORD pid = vorlane.id();

  HWND message = waitForText(pid, "Error Detected!\r\n\"logger.exe\" not found!", 5000);
  ASSERT_NE(message, nullptr);
  EXPECT_TRUE(saveScreenshot(message, "learning-logger-missing"));
  ASSERT_TRUE(clickText(pid, "Close"));
  EXPECT_EQ(vorlane.waitForExit(5000), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace vorlane::e2e
