#include "app/startup/starter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

#include "app/learning/tests/app_fakes.h"
#include "app/startup/truth_value.h"
#include "host/creation_failure.h"
#include "tests/fakes/fake_pump.h"
#include "tests/fakes/fake_timers.h"

namespace vorlane {
namespace {

using testing::Journal;

const std::string kGreeting = "mention: Welcome to Zendry's Vorlane";
const Journal kFourPages = {
    "hide options",
    "mention: Vorlane will now start \r\nlearning your memory usage...",
    "mention: Please use your computer \r\nas normally as possible...",
    "mention: To enter this options dialog again, \r\nrestart and run Vorlane twice.",
    "showmsg: Vorlane will start work the \r\nnext time you use this computer.",
};

class FakeOptionsView final : public OptionsView {
 public:
  explicit FakeOptionsView(Journal& journal) : journal_(journal) {}
  bool option1Selected() const override { return stealth; }
  bool option4Selected() const override { return runAtStart; }
  void show() override { journal_.push_back("show options"); }
  void hide() override { journal_.push_back("hide options"); }
  bool stealth = false;
  bool runAtStart = true;

 private:
  Journal& journal_;
};

class FakeWatch final : public MemoryWatchControl {
 public:
  explicit FakeWatch(Journal& journal) : journal_(journal) {}
  void startWatch() override { journal_.push_back("startWatch"); }

 private:
  Journal& journal_;
};

Journal concat(Journal first, const Journal& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

// A start controller whose fakes all record into one journal.
struct StarterRig {
  explicit StarterRig(std::string folder = "C:\\Apps") : folder_(std::move(folder)) {
    launcher_.existing.insert(progfolderText() + "logger.exe");
  }
  std::string progfolderText() const { return folder_.size() < 4 ? folder_ : folder_ + "\\"; }

  std::string folder_;
  Journal journal_;
  testing::FakePopup popup_{journal_};
  testing::FakeSettings settings_{journal_};
  testing::FakeRunRegistry registry_{journal_};
  testing::FakeLauncher launcher_{journal_};
  testing::FakeTextFiles files_{journal_};
  testing::FakePump pump_;
  testing::FakeTimerService timers_;
  FakeOptionsView view_{journal_};
  FakeWatch watch_{journal_};
  ProgramState state_;
  Starter starter_{{popup_, settings_, registry_, launcher_, pump_, pump_, files_, timers_},
                   state_,
                   view_,
                   watch_,
                   folder_,
                   "Vorlane"};
};

class StarterTest : public ::testing::Test, protected StarterRig {};

TEST_F(StarterTest, FirstUseGreetsThenApplyStoresPagesStartsTheLoggerAndEnds) {
  starter_.start();
  EXPECT_EQ(journal_, (Journal{kGreeting, "show options"}));
  EXPECT_TRUE(starter_.firstuseflag());
  EXPECT_FALSE(pump_.ending());

  journal_.clear();
  view_.stealth = true;
  view_.runAtStart = false;
  starter_.setoptions();
  EXPECT_EQ(journal_, concat({"save firstuse=True", "save mode=stealth", "save startrun=false",
                              "run delete Zendry's Vorlane (missing)", "run close"},
                             concat(kFourPages, {"launch C:\\Apps\\logger.exe"})));
  EXPECT_TRUE(pump_.ending());
  EXPECT_EQ(registry_.openKeys, 0);
}

TEST(ReadsAsTruthValue, TakesTruthWordsAndNumbersOnly) {
  for (const char* text :
       {"True", "False", "true", "FALSE", "tRuE", "0", "1", "-1", "+7", "2.5", ".5", "5.", "00"}) {
    EXPECT_TRUE(readsAsTruthValue(text)) << text;
  }
  for (const char* text : {" True", "1 ", "1e3", "0x1", "-", ".", "1.2.3", "truth", "1,5"}) {
    EXPECT_FALSE(readsAsTruthValue(text)) << text;
  }
}

TEST_F(StarterTest, AnUnreadableSettingsStoreLeadsToTheGreeting) {
  settings_.throwOnRead = true;
  starter_.start();
  EXPECT_EQ(journal_, (Journal{kGreeting, "show options"}));
  EXPECT_TRUE(starter_.firstuseflag());
}

TEST_F(StarterTest, AFailureInsideTheTabulationLeadsToTheGreeting) {
  settings_.values["firstuse"] = "True";
  files_.throwOnRead = true;
  starter_.start();
  EXPECT_EQ(journal_, (Journal{"hide options", "viewmsg: Opening Log file...",
                               "read C:\\Apps\\log.dat", kGreeting, "show options"}));
  EXPECT_TRUE(starter_.firstuseflag());
}

TEST_F(StarterTest, AnEmptyLogLeadsToTheGreetingWithTheLoggerRunning) {
  settings_.values["firstuse"] = "False";
  files_.files["C:\\Apps\\log.dat"] = "";
  starter_.start();
  EXPECT_EQ(journal_, (Journal{"hide options", "viewmsg: Opening Log file...",
                               "read C:\\Apps\\log.dat", "launch C:\\Apps\\logger.exe",
                               "viewmsg: Tabulating Information...", kGreeting, "show options"}));
  EXPECT_TRUE(starter_.firstuseflag());
  EXPECT_FALSE(pump_.ending());
}

TEST_F(StarterTest, AMissingLogRestartsLearningWithTheScreensDefaults) {
  settings_.values = {{"firstuse", "False"}, {"mode", "stealth"}, {"startrun", "false"}};
  starter_.start();
  EXPECT_EQ(journal_, concat({"hide options", "viewmsg: Opening Log file...",
                              "read C:\\Apps\\log.dat", "mention: Corrupted / Missing Log File!",
                              "save firstuse=True", "save mode=normal", "save startrun=true",
                              "run set Zendry's Vorlane=\"C:\\Apps\\Vorlane.exe\"", "run close"},
                             concat(kFourPages, {"launch C:\\Apps\\logger.exe"})));
  EXPECT_TRUE(pump_.ending());
}

TEST_F(StarterTest, ALogThatStaysUnavailableRestartsLearningWithTheStoredChoices) {
  settings_.values = {{"firstuse", "False"}, {"mode", "stealth"}, {"startrun", "false"}};
  files_.files["C:\\Apps\\log.dat"] = "50\r\n";
  files_.unavailableOpens = 1000;
  pump_.script([] {});  // the turn that shows "Opening Log file..."
  for (int retry = 0; retry < Tabulation::kRetries; ++retry) {
    pump_.script([this] { timers_.advance(Tabulation::kRetryMilliseconds); });
  }
  starter_.start();
  const Journal opens(1 + Tabulation::kRetries, "read C:\\Apps\\log.dat");
  EXPECT_EQ(journal_, concat(concat({"hide options", "viewmsg: Opening Log file..."}, opens),
                             concat({"mention: Corrupted / Missing Log File!", "save firstuse=True",
                                     "save mode=stealth", "save startrun=false",
                                     "run delete Zendry's Vorlane (missing)", "run close"},
                                    concat(kFourPages, {"launch C:\\Apps\\logger.exe"}))));
  EXPECT_TRUE(pump_.ending());
}

TEST_F(StarterTest, AMissingLogWithTheRunKeyRefusedShowsTheOptions) {
  settings_.values["firstuse"] = "False";
  registry_.refuse = true;
  starter_.start();
  EXPECT_EQ(journal_.back(), "show options");
  EXPECT_EQ(journal_[journal_.size() - 2], kGreeting);
  EXPECT_FALSE(pump_.ending());
}

TEST_F(StarterTest, ARefusedRunKeyStopsApplyAfterTheSettings) {
  starter_.start();
  journal_.clear();
  registry_.refuse = true;
  starter_.setoptions();
  EXPECT_EQ(journal_, (Journal{"save firstuse=True", "save mode=normal", "save startrun=true",
                               "run refused"}));
  EXPECT_FALSE(pump_.ending());
}

// A refused value, whichever it is and whichever screen Apply came from (a
// first use, a second copy, the missing-log finish, which then greets): the
// user is told, the options screen is up, and no page, Run entry or logger
// follows.
TEST_F(StarterTest, ARefusedSettingIsToldAndKeepsTheOptionsScreenUp) {
  const struct {
    const char* refusedKey;
    const char* firstuse;  // nothing: a first use; "False": the missing-log finish
    bool secondCopy;
  } cases[] = {{"firstuse", nullptr, false},
               {"mode", nullptr, true},
               {"startrun", nullptr, false},
               {"mode", "False", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.refusedKey);
    StarterRig rig;
    const Journal& journal = rig.journal_;
    testing::FakeSettings& settings = rig.settings_;
    Starter& starter = rig.starter_;
    if (c.firstuse != nullptr) {
      settings.values["firstuse"] = c.firstuse;
    }
    settings.refused.insert(c.refusedKey);
    c.secondCopy ? starter.showOptionsScreen() : starter.start();
    if (c.firstuse == nullptr) {
      starter.setoptions();
    }
    const auto refusal =
        std::find(journal.begin(), journal.end(), std::string("save ") + c.refusedKey + " refused");
    ASSERT_LE(std::distance(refusal, journal.end()), 3 + (c.firstuse != nullptr ? 2 : 0));
    ASSERT_GE(std::distance(refusal, journal.end()), 3);
    EXPECT_EQ(refusal[1], "showmsg: Your options could not be saved! \r\nPlease try Apply again.");
    EXPECT_EQ(refusal[2], "show options");
    EXPECT_EQ(journal.back(), "show options");
    EXPECT_FALSE(rig.pump_.ending());
    EXPECT_TRUE(rig.registry_.values.empty());
  }
}

TEST_F(StarterTest, SecondCopyApplySavesFalseAndEndsWithoutPages) {
  // The splash shows the screen without `start` in a second copy.
  starter_.showOptionsScreen();
  starter_.setoptions();
  EXPECT_EQ(journal_, (Journal{"show options", "save firstuse=False", "save mode=normal",
                               "save startrun=true",
                               "run set Zendry's Vorlane=\"C:\\Apps\\Vorlane.exe\"", "run close"}));
  EXPECT_TRUE(pump_.ending());
}

TEST_F(StarterTest, ProgramEndedDuringAPageStopsTheFirstUseFinish) {
  starter_.start();
  popup_.onWait = [this](const std::string& msg) {
    if (msg.rfind("Please use", 0) == 0) {
      pump_.endProgram();
    }
  };
  starter_.setoptions();
  EXPECT_EQ(journal_.back(), "mention: Please use your computer \r\nas normally as possible...");
}

TEST_F(StarterTest, AGreetingThatFailsEndsTheProgramInsteadOfThrowing) {
  popup_.onWait = [](const std::string&) { throw std::runtime_error("no pop-up"); };
  EXPECT_NO_THROW(starter_.start());
  EXPECT_TRUE(pump_.ending());
}

TEST_F(StarterTest, AWindowOrTimerThatCannotBeMadeIsNotTakenForAFirstUse) {
  popup_.onWait = [](const std::string&) { throw CreationFailure("no pop-up"); };
  EXPECT_THROW(starter_.start(), CreationFailure);
}

// The log may lie elsewhere (the programs' folder cannot be written); the
// logger still starts from beside the program.
TEST_F(StarterTest, LaterStartTabulatesTheLogWhereItLivesAndStartsTheWatch) {
  const std::string logFolder = "C:\\Users\\u\\AppData\\Local\\Vorlane\\";
  Starter starter{{popup_, settings_, registry_, launcher_, pump_, pump_, files_, timers_},
                  state_,
                  view_,
                  watch_,
                  folder_,
                  "Vorlane",
                  logFolder};
  settings_.values["firstuse"] = "False";
  settings_.values["mode"] = "normal";
  files_.files[logFolder + "log.dat"] = "37.4\r\n38.6\r\n";
  state_.tickcount = 9;
  starter.start();
  EXPECT_EQ(journal_, (Journal{"hide options", "viewmsg: Opening Log file...",
                               "read " + logFolder + "log.dat", "launch C:\\Apps\\logger.exe",
                               "viewmsg: Tabulating Information...", "hidemsg", "startWatch"}));
  EXPECT_EQ(state_.learnedfree, 38);
  EXPECT_EQ(state_.runmode, "normal");
  EXPECT_EQ(state_.tickcount, 0);
  EXPECT_FALSE(starter.firstuseflag());
  EXPECT_FALSE(pump_.ending());
}

}  // namespace
}  // namespace vorlane
