// logger.exe on its own: one copy at a time, the log emptied at its start and
// one sample a (scaled) minute, each line "37.5" CR LF for 37.5 % free; a log
// it cannot open costs samples, never the logger or what the log holds.

#include "tests/e2e/scenario.h"

namespace vorlane::e2e {
namespace {

class Logger : public Scenario {
 protected:
  int samples() const { return samplesIn(path("log.dat"), "37.5"); }
};

TEST_F(Logger, SamplesEachScaledMinuteRunsOnceAndOutlivesALockedLog) {
  ASSERT_TRUE(writeFileText(path("log.dat"), "99\r\n12.5\r\n"));
  const DWORD started = ::GetTickCount();
  const Process logger = start("logger.exe", 200, "1000 375");  // a sample every 300 ms
  ASSERT_TRUE(eventually([&] { return samples() >= 1; }, 5000)) << "no sample, or a bad line";
  EXPECT_GE(::GetTickCount() - started, 250u) << "the first sample came before the first tick";
  ASSERT_TRUE(eventually([&] { return samples() >= 3; }, 5000));
  const int before = samples();
  EXPECT_EQ(start("logger.exe", 200, "1000 375").waitForExit(5000), std::optional<DWORD>(0));
  EXPECT_GE(samples(), before) << "the second copy emptied the log";
  EXPECT_EQ(loggersRunning(), 1u);

  DWORD held = 0;
  {
    // Opened for nobody else: a few ticks find the log locked.
    const win32::UniqueFile lock(::CreateFileA(path("log.dat").c_str(), GENERIC_READ, 0, nullptr,
                                               OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    held = ::GetFileSize(lock.get(), nullptr) / 6;
    ::Sleep(1000);
    EXPECT_EQ(::GetFileSize(lock.get(), nullptr) / 6, held) << "written while locked";
  }
  EXPECT_TRUE(logger.running()) << "the logger gave up on a locked log";
  EXPECT_GE(samples(), static_cast<int>(held)) << "the log lost samples";
  EXPECT_TRUE(eventually([&] { return samples() >= static_cast<int>(held) + 3; }, 5000));
}

}  // namespace
}  // namespace vorlane::e2e
