// logger.exe on its own: one copy at a time, the log emptied at its start and
// one sample a (scaled) minute, each line "37.5" CR LF for 37.5 % free; a log it
// cannot open costs samples, never the logger or what the log holds.

#include "tests/e2e/scenario.h"

namespace vorlane::e2e {
namespace {

class Logger : public Scenario {
 protected:
  // The number of samples in the log; -1 when any line is not "37.5" CR LF.
  int samples() const {
    const auto log = readFileText(path("log.dat"));
    if (!log) {
      return -1;
    }
    const std::string line = "37.5\r\n";
    if (log->size() % line.size() != 0) {
      return -1;
    }
    for (std::size_t at = 0; at < log->size(); at += line.size()) {
      if (log->compare(at, line.size(), line) != 0) {
        return -1;
      }
    }
    return static_cast<int>(log->size() / line.size());
  }
};

const char* const kThirtySevenAndAHalfPercent = "1000 375";

TEST_F(Logger, EmptiesTheLogAtStartSamplesEachTickAndRunsOnce) {
  ASSERT_TRUE(writeFileText(path("log.dat"), "99\r\n12.5\r\n"));
  // One sample every 300 ms.
  const Environment environment = fastEnvironment(200, kThirtySevenAndAHalfPercent);
  const DWORD started = ::GetTickCount();
  const Process logger = start("logger.exe", environment);
  ASSERT_TRUE(eventually([&] { return samples() >= 1; }, 5000)) << "no sample, or a bad line";
  EXPECT_GE(::GetTickCount() - started, 250u) << "the first sample came before the first tick";
  ASSERT_TRUE(eventually([&] { return samples() >= 3; }, 5000));

  const int before = samples();
  const Process again = start("logger.exe", environment);
  EXPECT_EQ(again.waitForExit(5000), std::optional<DWORD>(0));
  EXPECT_GE(samples(), before) << "the second copy emptied the log";
  EXPECT_TRUE(logger.running());
  EXPECT_EQ(loggersRunning(), 1u);
}

TEST_F(Logger, SkipsSamplesWhileTheLogIsLockedAndCarriesOn) {
  const Process logger = start("logger.exe", fastEnvironment(1000, kThirtySevenAndAHalfPercent));
  ASSERT_TRUE(eventually([&] { return samples() >= 2; }, 5000));
  int held = 0;
  {
    // Opened for nobody else: about ten ticks find the log locked.
    win32::UniqueFile lock(::CreateFileA(path("log.dat").c_str(), GENERIC_READ, 0, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    const DWORD sizeAtLock = ::GetFileSize(lock.get(), nullptr);
    ::Sleep(600);
    EXPECT_EQ(::GetFileSize(lock.get(), nullptr), sizeAtLock) << "written while locked";
    held = static_cast<int>(sizeAtLock / 6);
  }
  EXPECT_TRUE(logger.running()) << "the logger gave up on a locked log";
  EXPECT_GE(samples(), held) << "the log lost samples";
  EXPECT_TRUE(eventually([&] { return samples() >= held + 3; }, 5000)) << "sampling did not resume";
}

}  // namespace
}  // namespace vorlane::e2e
