// The tabulation with the real file system, message loop and timers.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/learning/logger_launch.h"
#include "app/learning/tabulation.h"
#include "app/learning/tests/app_fakes.h"
#include "host/win32/handles.h"
#include "host/win32/message_pump.h"
#include "host/win32/tests/test_support.h"
#include "host/win32/text_files.h"
#include "host/win32/timer_service.h"
#include "logger/log_format.h"
#include "tests/fakes/fake_popup.h"

namespace vorlane::win32 {
namespace {

class RecordingController final : public TabulationController {
 public:
  void startlog() override { calls.push_back("startlog"); }
  void startfunction() override { calls.push_back("startfunction"); }
  void restartLearning() override { calls.push_back("restartLearning"); }
  void restartLearningKeepingChoices() override {
    calls.push_back("restartLearningKeepingChoices");
  }
  std::vector<std::string> calls;
};

class Win32TabulationTest : public ::testing::Test {
 protected:
  Win32TabulationTest() {
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    folder_ =
        std::string(temp) + "vorlane-tabulation-" + std::to_string(::GetCurrentProcessId()) + "\\";
    ::CreateDirectoryA(folder_.c_str(), nullptr);
  }
  ~Win32TabulationTest() override {
    ::DeleteFileA(logPath().c_str());
    ::RemoveDirectoryA(folder_.c_str());
  }

  std::string logPath() const { return folder_ + kLogFileName; }
  void writeLog(const std::string& text) {
    ASSERT_TRUE(files_.truncate(logPath()));
    ASSERT_TRUE(files_.append(logPath(), text));
  }
  TabulateOutcome tabulate() { return tabulation_.tabulate(folder_, controller_); }

  std::string folder_;
  vorlane::testing::Journal journal_;
  vorlane::testing::FakePopup popup_;
  Win32MessagePump pump_;
  Win32TimerService timers_;
  Win32TextFiles files_;
  vorlane::testing::FakeSettings settings_{journal_};
  RecordingController controller_;
  ProgramState state_;
  Tabulation tabulation_{{popup_, pump_, pump_, files_, settings_, timers_}, state_};
};

// Another program (a backup, a virus scanner) holds log.dat without sharing
// for a moment: the tabulation waits with the loop served, then learns.
TEST_F(Win32TabulationTest, ALogHeldByAnotherProgramForAMomentIsWaitedForAndLearned) {
  writeLog("30\r\n50\r\n");
  auto holder = std::make_unique<UniqueFile>(::CreateFileA(
      logPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(static_cast<bool>(*holder));
  const auto release = timers_.createTimer(600, true, [&holder] { holder.reset(); });
  const double start = nowMs();

  EXPECT_EQ(tabulate(), TabulateOutcome::Watching);

  EXPECT_GE(nowMs() - start, 500.0);
  EXPECT_EQ(holder, nullptr);
  EXPECT_EQ(state_.learnedfree, 40);
  EXPECT_EQ(controller_.calls, (std::vector<std::string>{"startlog", "startfunction"}));
}

// A year of samples: a 10 ms timer keeps firing all through, because the loop
// is served every 2 ms, and the turns are few enough not to slow the reading.
TEST_F(Win32TabulationTest, ATimerKeepsFiringWhileAYearIsTabulated) {
  std::string log;
  for (int i = 0; i < 525600; ++i) {
    log += formatSample(20.0 + (i % 6000) / 100.0) + "\r\n";
  }
  writeLog(log);
  expectTimerKeepsFiring(pump_, timers_, [this] {
    EXPECT_EQ(tabulate(), TabulateOutcome::Watching);
    EXPECT_EQ(tabulation_.sampleCount(), 525600u);
  });
}

}  // namespace
}  // namespace vorlane::win32
