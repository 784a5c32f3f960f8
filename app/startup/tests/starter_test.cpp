#include "app/startup/starter.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "app/learning/tests/app_fakes.h"
#include "app/startup/truth_value.h"
#include "tests/fakes/fake_pump.h"

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

class StarterTest : public ::testing::Test {
 protected:
  explicit StarterTest(std::string folder = "C:\\Apps") : folder_(std::move(folder)) {
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
  FakeOptionsView view_{journal_};
  FakeWatch watch_{journal_};
  ProgramState state_;
  Starter starter_{{popup_, settings_, registry_, launcher_, pump_, pump_, files_},
                   state_,
                   view_,
                   watch_,
                   folder_,
                   "Vorlane"};
};

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

TEST_F(StarterTest, LaterStartTabulatesAndStartsTheWatchWithoutGreeting) {
  settings_.values["firstuse"] = "False";
  settings_.values["mode"] = "normal";
  files_.files["C:\\Apps\\log.dat"] = "37.4\r\n38.6\r\n";
  state_.tickcount = 9;
  starter_.start();
  EXPECT_EQ(journal_, (Journal{"hide options", "viewmsg: Opening Log file...",
                               "read C:\\Apps\\log.dat", "launch C:\\Apps\\logger.exe",
                               "viewmsg: Tabulating Information...", "hidemsg", "startWatch"}));
  EXPECT_EQ(state_.learnedfree, 38);
  EXPECT_EQ(state_.runmode, "normal");
  EXPECT_EQ(state_.tickcount, 0);
  EXPECT_FALSE(starter_.firstuseflag());
  EXPECT_FALSE(pump_.ending());
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

class FirstuseReadingTest : public StarterTest,
                            public ::testing::WithParamInterface<const char*> {};

TEST_P(FirstuseReadingTest, DecidesBetweenLaterStartAndFirstUse) {
  settings_.values["firstuse"] = GetParam();
  files_.files["C:\\Apps\\log.dat"] = "50\r\n";
  starter_.start();
  const bool greeted = journal_.front() == kGreeting;
  EXPECT_EQ(greeted, !readsAsTruthValue(GetParam()));
  EXPECT_EQ(greeted, journal_.back() == "show options");
}

INSTANTIATE_TEST_SUITE_P(Readings, FirstuseReadingTest,
                         ::testing::Values("False", "true", "0", "", "yes"));

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

class RootFolderStarterTest : public StarterTest {
 protected:
  RootFolderStarterTest() : StarterTest("C:\\") {}
};

TEST_F(RootFolderStarterTest, KeepsTheRootsOneBackslash) {
  EXPECT_EQ(starter_.progfolder(), "C:\\");
  starter_.showOptionsScreen();
  starter_.setoptions();
  EXPECT_EQ(registry_.values[kApplicationTitle], "\"C:\\Vorlane.exe\"");
}

}  // namespace
}  // namespace vorlane
