#include "app/learning/tabulation.h"

#include <gtest/gtest.h>

#include <string>

#include "app/learning/logger_launch.h"
#include "app/learning/tests/app_fakes.h"
#include "logger/log_format.h"
#include "tests/fakes/fake_pump.h"

namespace vorlane {
namespace {

using testing::Journal;

const std::string kFolder = "C:\\Apps\\";
const std::string kLog = kFolder + "log.dat";
const std::string kLogger = kFolder + "logger.exe";

// The start controller's side of the tabulation, as journal entries.
class FakeController final : public TabulationController {
 public:
  FakeController(Journal& journal, ProgramLauncher& launcher, MessagePopup& popup,
                 ProgramLifetime& lifetime)
      : journal_(journal), launcher_(launcher), popup_(popup), lifetime_(lifetime) {}
  void startlog() override { startLogger(kFolder, launcher_, popup_, lifetime_); }
  void startfunction() override { journal_.push_back("startfunction"); }
  void restartLearning() override { journal_.push_back("restartLearning"); }

 private:
  Journal& journal_;
  ProgramLauncher& launcher_;
  MessagePopup& popup_;
  ProgramLifetime& lifetime_;
};

class TabulationTest : public ::testing::Test {
 protected:
  TabulationTest() { launcher_.existing.insert(kLogger); }

  TabulateOutcome tabulate() { return tabulation_.tabulate(kFolder, controller_); }

  Journal journal_;
  testing::FakePopup popup_{journal_};
  testing::FakePump pump_;
  testing::FakeTextFiles files_{journal_};
  testing::FakeSettings settings_{journal_};
  testing::FakeLauncher launcher_{journal_};
  FakeController controller_{journal_, launcher_, popup_, pump_};
  ProgramState state_;
  Tabulation tabulation_{{popup_, pump_, pump_, files_, settings_}, state_};
};

TEST_F(TabulationTest, LearnsTheRoundedMeanAndStartsTheWatch) {
  files_.files[kLog] = "37.4\r\n38.6\r\n";
  settings_.values["mode"] = "stealth";

  EXPECT_EQ(tabulate(), TabulateOutcome::Watching);

  EXPECT_EQ(tabulation_.List1(), (std::vector<std::int32_t>{37, 39}));
  EXPECT_EQ(state_.learnedfree, 38);
  EXPECT_EQ(state_.runmode, "stealth");
  EXPECT_EQ(journal_, (Journal{"viewmsg: Opening Log file...", "read " + kLog, "launch " + kLogger,
                               "viewmsg: Tabulating Information...", "hidemsg", "startfunction"}));
  // Once before every read (the last, failing one too) and once per sum step.
  EXPECT_EQ(pump_.pumpCount(), 3 + 2);
  EXPECT_FALSE(pump_.ending());
}

TEST(MeanHalfEven, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(meanHalfEven(51, 2), 26);  // 25.5
  EXPECT_EQ(meanHalfEven(49, 2), 24);  // 24.5
  EXPECT_EQ(meanHalfEven(100, 3), 33);
  EXPECT_EQ(meanHalfEven(200, 3), 67);
  EXPECT_EQ(meanHalfEven(0, 0), std::nullopt);
}

TEST_F(TabulationTest, AMissingModeLeavesRunmodeEmpty) {
  files_.files[kLog] = "50\r\n";
  state_.runmode = "normal";
  EXPECT_EQ(tabulate(), TabulateOutcome::Watching);
  EXPECT_EQ(state_.runmode, "");
}

TEST_F(TabulationTest, AMissingLoggerEndsTheProgramBeforeAnythingIsLearned) {
  launcher_.existing.clear();
  files_.files[kLog] = "37\r\n";
  EXPECT_EQ(tabulate(), TabulateOutcome::ProgramEnded);
  EXPECT_EQ(journal_, (Journal{"viewmsg: Opening Log file...", "read " + kLog,
                               "launch " + kLogger + " (missing)",
                               "showmsg: Error Detected!\r\n\"logger.exe\" not found!"}));
  EXPECT_TRUE(pump_.ending());
  EXPECT_EQ(state_.learnedfree, 0);
}

TEST_F(TabulationTest, StopsWhenTheProgramEndsWhileReading) {
  files_.files[kLog] = "10\r\n20\r\n30\r\n";
  pump_.script([] {});
  pump_.script([this] { pump_.endProgram(); });
  EXPECT_EQ(tabulate(), TabulateOutcome::ProgramEnded);
  EXPECT_EQ(journal_.back(), "read " + kLog);
}

TEST_F(TabulationTest, CountsEverySampleOfAMonthLongLog) {
  // 43,200 samples: beyond a 16-bit count, and a sum beyond 16 bits too.
  std::string log;
  for (int i = 0; i < 43200; ++i) {
    log += formatSample(i % 4 == 0 ? 90.0 : 10.0) + "\r\n";
  }
  files_.files[kLog] = log;
  EXPECT_EQ(tabulate(), TabulateOutcome::Watching);
  EXPECT_EQ(tabulation_.List1().size(), 43200u);
  EXPECT_EQ(state_.learnedfree, 30);
  EXPECT_EQ(pump_.pumpCount(), 2 * 43200 + 1);
}

}  // namespace
}  // namespace vorlane
