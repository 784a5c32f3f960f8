#include "app/learning/tabulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/learning/logger_launch.h"
#include "app/learning/tests/app_fakes.h"
#include "logger/log_format.h"
#include "tests/fakes/fake_pump.h"
#include "tests/fakes/fake_timers.h"

namespace vorlane {
namespace {

using testing::Journal;

const std::string kFolder = "C:\\Apps\\";
const std::string kLog = kFolder + "log.dat";
const std::string kLogger = kFolder + "logger.exe";

// The start controller's side of the tabulation, as journal entries.
class FakeController final : public TabulationController {
 public:
  FakeController(Journal& journal, ProgramLauncher& launcher, frmmsg& popup,
                 ProgramLifetime& lifetime)
      : journal_(journal), launcher_(launcher), popup_(popup), lifetime_(lifetime) {}
  void startlog() override { startLogger(kFolder, launcher_, popup_, lifetime_); }
  void startfunction() override { journal_.push_back("startfunction"); }
  void restartLearning() override { journal_.push_back("restartLearning"); }
  void restartLearningKeepingChoices() override {
    journal_.push_back("restartLearningKeepingChoices");
  }

 private:
  Journal& journal_;
  ProgramLauncher& launcher_;
  frmmsg& popup_;
  ProgramLifetime& lifetime_;
};

class TabulationTest : public ::testing::Test {
 protected:
  TabulationTest() { launcher_.existing.insert(kLogger); }

  TabulateOutcome tabulate() { return tabulation_.tabulate(kFolder, controller_); }

  Journal journal_;
  testing::FakePopup popup_{journal_};
  testing::FakePump pump_;
  testing::FakeTimerService timers_;
  testing::FakeTextFiles files_{journal_};
  testing::FakeSettings settings_{journal_};
  testing::FakeLauncher launcher_{journal_};
  FakeController controller_{journal_, launcher_, popup_, pump_};
  ProgramState state_;
  Tabulation tabulation_{{popup_, pump_, pump_, files_, settings_, timers_}, state_};
};

TEST_F(TabulationTest, LearnsTheRoundedMeanAndStartsTheWatch) {
  // Rounded one by one: 0 + 0 + 0 + 2; the unrounded mean would be 0.75.
  files_.files[kLog] = "0.5\r\n0.5\r\n0.5\r\n1.5\r\n";
  settings_.values["mode"] = "stealth";

  EXPECT_EQ(tabulate(), TabulateOutcome::Watching);

  EXPECT_EQ(tabulation_.sampleCount(), 4u);
  EXPECT_EQ(tabulation_.sampleSum(), 2);
  EXPECT_EQ(state_.learnedfree, 0);
  EXPECT_EQ(state_.runmode, "stealth");
  EXPECT_EQ(journal_, (Journal{"viewmsg: Opening Log file...", "read " + kLog, "launch " + kLogger,
                               "viewmsg: Tabulating Information...", "hidemsg", "startfunction"}));
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

TEST_F(TabulationTest, AReadThatFailsPartWayLearnsFromWhatWasRead) {
  files_.files[kLog] = "10\r\n20\r\n30\r\n";
  files_.failReadsAfter = 10;  // "30" is cut by the failing read: it may be torn
  EXPECT_EQ(tabulate(), TabulateOutcome::Watching);
  EXPECT_EQ(tabulation_.sampleCount(), 2u);
  EXPECT_EQ(state_.learnedfree, 15);
}

// Only a log that is not there is missing; one held by another program is
// tried again every 250 ms for ten seconds, the loop served meanwhile.
TEST_F(TabulationTest, AnUnavailableLogIsTriedAgainForTenSecondsBeforeLearningRestarts) {
  struct Case {
    bool present;
    int unavailableOpens;
    int opens;
    std::string outcome;
  };
  const Case cases[] = {
      {false, 0, 1, "restartLearning"},
      {true, 1, 2, "startfunction"},
      {true, Tabulation::kRetries, Tabulation::kRetries + 1, "startfunction"},
      {true, Tabulation::kRetries + 1, Tabulation::kRetries + 1, "restartLearningKeepingChoices"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.unavailableOpens);
    Journal journal;
    testing::FakePopup popup(journal);
    testing::FakePump pump;
    testing::FakeTimerService timers;
    testing::FakeTextFiles files(journal);
    FakeController controller(journal, launcher_, popup, pump);
    ProgramState state;
    Tabulation tabulation({popup, pump, pump, files, settings_, timers}, state);
    if (c.present) {
      files.files[kLog] = "40\r\n";
    }
    files.unavailableOpens = c.unavailableOpens;
    pump.script([] {});  // the turn that shows "Opening Log file..."
    for (int retry = 0; retry < std::min(c.unavailableOpens, Tabulation::kRetries); ++retry) {
      pump.script([&timers] { timers.advance(Tabulation::kRetryMilliseconds); });
    }
    tabulation.tabulate(kFolder, controller);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "read " + kLog), c.opens);
    EXPECT_EQ(journal.back(), c.outcome);
    EXPECT_EQ(timers.now(), static_cast<std::uint64_t>(c.opens - 1) * 250);
    EXPECT_EQ(timers.activeTimers(), 0);
  }
}

// However long the log, the loop is served by the clock: the full turns stay
// three (the start and end of reading, the start of tabulating) and due turns
// come once per 2 ms. The clock moves 50 us per reading here.
TEST_F(TabulationTest, ServesTheLoopByTheClockNotPerSample) {
  for (const int samples : {1, 43200}) {
    SCOPED_TRACE(samples);
    std::string log;
    for (int i = 0; i < samples; ++i) {
      log += formatSample(i % 4 == 0 ? 90.0 : 10.0) + "\r\n";
    }
    testing::FakePump pump;
    std::uint64_t now = 0;
    pump.useClock([&now] { return now += 50; });
    testing::FakeTextFiles files(journal_);
    files.files[kLog] = log;
    files.pieceBytes = 64 * 1024;
    ProgramState state;
    Tabulation tabulation({popup_, pump, pump, files, settings_, timers_}, state);
    EXPECT_EQ(tabulation.tabulate(kFolder, controller_), TabulateOutcome::Watching);
    EXPECT_EQ(tabulation.sampleCount(), static_cast<std::uint64_t>(samples));
    EXPECT_EQ(state.learnedfree, samples == 1 ? 90 : 30);
    EXPECT_EQ(pump.pumpCount(), 3);
    EXPECT_LE(pump.dueTurns(), static_cast<int>(now / 2000) + 1);
    EXPECT_GE(pump.dueTurns(), static_cast<int>(now / 2100));
    EXPECT_LE(pump.dueOffers(), samples / 64 + 1 + static_cast<int>(log.size() / (64 * 1024)));
  }
}

}  // namespace
}  // namespace vorlane
