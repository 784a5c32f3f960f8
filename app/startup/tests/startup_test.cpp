#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/startup/splash.h"
#include "app/startup/starter.h"
#include "host/creation_failure.h"
#include "tests/fakes/fake_popup.h"

namespace vorlane::testing {
namespace {

using Journal = std::vector<std::string>;

enum Setup : unsigned {
  kLaterStart = 1,  // stored: firstuse "False", mode "stealth", startrun "false"
  kSecondCopy = 2,  // the options screen without `start`
  kApply = 4,
  kSettingsFail = 8,
  kOpenFails = 16,
  kNoLogger = 32,
  kBusy = 64,  // log.dat held by another program for good
  kRunKeyRefused = 128,
  kStealth = 256,  // on the screen "Stealth " and "False", else "Normal" and "True"
  kModeRefused = 512,
};

// A read hands out at most `pieceBytes`, so fields are cut.
class FakeHost final : public SettingsStore,
                       public RunRegistry,
                       public ProgramLauncher,
                       public TextFiles,
                       public OptionsView {
 public:
  explicit FakeHost(Journal& journal) : journal_(journal) {}

  bool option1Selected() const override { return setup & kStealth; }
  bool option4Selected() const override { return !option1Selected(); }
  void show() override { note("show options"); }
  void hide() override { note("hide options"); }

  std::optional<std::string> read(std::string_view key) override {
    if (setup & kSettingsFail) {
      throw std::runtime_error("store unreadable");
    }
    const auto found = settings.find(key);
    return found == settings.end() ? std::nullopt : std::optional<std::string>(found->second);
  }
  bool write(std::string_view key, std::string_view value) override {
    const bool refused = (setup & kModeRefused) && key == "mode";
    note("save " + std::string(key) + (refused ? " refused" : "=" + std::string(value)));
    if (!refused) {
      settings[std::string(key)] = value;
    }
    return !refused;
  }
  std::unique_ptr<RunKey> openForWrite() override {
    if (setup & kRunKeyRefused) {
      note("run refused");
      return nullptr;
    }
    return std::make_unique<Key>(*this);
  }
  bool start(const std::string& path) override {
    note("launch " + path + (setup & kNoLogger ? " (missing)" : ""));
    return !(setup & kNoLogger);
  }
  OpenedText openForReading(const std::string& path) override {
    note("read " + path);
    if (setup & kOpenFails) {
      throw std::runtime_error("read failed");
    }
    if (!log || (setup & kBusy)) {
      return {nullptr, log ? OpenFailure::Unavailable : OpenFailure::Missing};
    }
    return {std::make_unique<Reader>(*this), OpenFailure::None};
  }
  bool truncate(const std::string&) override { return false; }
  bool append(const std::string&, std::string_view) override { return false; }

  std::map<std::string, std::string, std::less<>> settings;
  std::optional<std::string> log;
  unsigned setup = 0;
  std::size_t failReadsAfter = SIZE_MAX, pieceBytes = 5;

 private:
  bool note(const std::string& entry) {
    journal_.push_back(entry);
    return true;
  }

  struct Key final : RunKey {
    explicit Key(FakeHost& from) : host(from) {}
    ~Key() override { host.note("run close"); }
    bool setString(std::string_view name, std::string_view data) override {
      return host.note("run set " + std::string(name) + "=" + std::string(data));
    }
    bool deleteValue(std::string_view name) override {
      return host.note("run delete " + std::string(name));
    }
    FakeHost& host;
  };

  struct Reader final : TextReader {
    explicit Reader(FakeHost& from) : host(from) {}
    std::optional<std::size_t> read(char* buffer, std::size_t capacity) override {
      const std::size_t size = std::min({capacity, host.pieceBytes, host.log->size() - at});
      if (at + size > host.failReadsAfter) {
        return std::nullopt;
      }
      at += host.log->copy(buffer, size, at);
      return size;
    }
    FakeHost& host;
    std::size_t at = 0;
  };

  Journal& journal_;
};

const std::string kLaunch = "launch C:\\Apps\\logger.exe";
const std::string kRunSet = "run set Zendry's Vorlane=\"C:\\Apps\\Vorlane.exe\"";
const std::string kRunDelete = "run delete Zendry's Vorlane";
const std::string kTabulating = "viewmsg: Tabulating Information...";
const std::string kCorrupt = "mention: Corrupted / Missing Log File!";
const Journal kGreet = {"mention: Welcome to Zendry's Vorlane", "show options"};
const Journal kOpening = {"hide options", "viewmsg: Opening Log file...", "read C:\\Data\\log.dat"};
const Journal kTold = {"showmsg: Your options could not be saved! \r\nPlease try Apply again.",
                       "show options"};
const Journal kPages = {
    "hide options",
    "mention: Vorlane will now start \r\nlearning your memory usage...",
    "mention: Please use your computer \r\nas normally as possible...",
    "mention: To enter this options dialog again, \r\nrestart and run Vorlane twice.",
    "showmsg: Vorlane will start work the \r\nnext time you use this computer.",
    kLaunch,
};

Journal operator+(Journal first, const Journal& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}
Journal saves(const std::string& firstuse, const std::string& mode, const std::string& startrun) {
  return {"save firstuse=" + firstuse, "save mode=" + mode, "save startrun=" + startrun};
}

struct Rig {
  explicit Rig(unsigned setup = 0, const char* log = nullptr) {
    if (setup & kLaterStart) {
      host.settings = {{"firstuse", "False"}, {"mode", "stealth"}, {"startrun", "false"}};
    }
    host.log = log ? std::optional<std::string>(log) : std::nullopt;
    host.setup = setup;
    if (setup & kBusy) {
      pump.script([] {});  // the turn that shows "Opening Log file..."
      for (int retry = 0; retry < Tabulation::kRetries; ++retry) {
        pump.script([this] { timers.advance(Tabulation::kRetryMilliseconds); });
      }
    }
  }

  Journal journal;
  FakePopup popup{journal};
  FakeHost host{journal};
  FakePump pump;
  FakeTimerService timers;
  ProgramState state;
  Starter starter{{popup, host, host, host, pump, pump, host, timers},
                  state,
                  host,
                  [this] { journal.push_back("startWatch"); },
                  "C:\\Apps",
                  "Vorlane",
                  "C:\\Data\\"};
};

TEST(StarterTest, EachWayThroughTheStartAndApplyEndsWhereItShould) {
  const Journal restart = kOpening + Journal{kCorrupt};
  const struct {
    const char* name;
    unsigned setup;
    const char* log;
    Journal journal;
    bool ending;
  } cases[] = {
      {"first use", kApply | kStealth, nullptr,
       kGreet + saves("True", "stealth", "false") + Journal{kRunDelete, "run close"} + kPages,
       true},
      {"second copy", kSecondCopy | kApply, nullptr,
       Journal{"show options"} + saves("False", "normal", "true") + Journal{kRunSet, "run close"},
       true},
      {"settings unreadable", kLaterStart | kSettingsFail, "1", kGreet, false},
      {"log unreadable", kLaterStart | kOpenFails, "1", kOpening + kGreet, false},
      {"log empty", kLaterStart, "", kOpening + Journal{kLaunch, kTabulating} + kGreet, false},
      {"logger missing", kLaterStart | kNoLogger, "1",
       kOpening +
           Journal{kLaunch + " (missing)", "showmsg: Error Detected!\r\n\"logger.exe\" not found!"},
       true},
      {"log missing: the screen's defaults", kLaterStart, nullptr,
       restart + saves("True", "normal", "true") + Journal{kRunSet, "run close"} + kPages, true},
      {"log busy: the stored choices", kLaterStart | kBusy, "1",
       kOpening + Journal(Tabulation::kRetries, kOpening[2]) + Journal{kCorrupt} +
           saves("True", "stealth", "false") + Journal{kRunDelete, "run close"} + kPages,
       true},
      {"log missing, Run key refused", kLaterStart | kRunKeyRefused, nullptr,
       restart + saves("True", "normal", "true") + Journal{"run refused"} + kGreet, false},
      {"second copy, mode refused", kSecondCopy | kApply | kModeRefused, nullptr,
       Journal{"show options", "save firstuse=False", "save mode refused"} + kTold, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig(c.setup, c.log);
    if (c.setup & kSecondCopy) {
      rig.host.show();
    } else {
      EXPECT_NO_THROW(rig.starter.start());
    }
    if (c.setup & kApply) {
      rig.starter.setoptions();
    }
    EXPECT_EQ(rig.journal, c.journal);
    EXPECT_EQ(rig.pump.ending(), c.ending);
  }
}

// Fields rounded one by one, halves to even, garbage skipped: 0 + 0 + 8 + 38,
// and so is their mean, 11.5. A read that fails ends the log; the field it cut
// may be torn and is dropped. An end during the reading learns nothing.
TEST(StarterTest, LaterStartLearnsTheRoundedMeanThenStartsTheLoggerAndTheWatch) {
  Rig rig(kLaterStart, "0.5\r\n0.5\r\ngarbage\r\n7.5\r\n37.5\r\n99");
  rig.host.failReadsAfter = 30;
  rig.state.tickcount = 9;
  rig.starter.start();
  EXPECT_EQ(rig.journal, (kOpening + Journal{kLaunch, kTabulating, "hidemsg", "startWatch"}));
  EXPECT_EQ(rig.state.learnedfree, 12);
  EXPECT_EQ(rig.state.runmode, "stealth");
  EXPECT_EQ(rig.state.tickcount, 0);

  Rig ended(kLaterStart, "10\r\n20\r\n30\r\n");
  ended.pump.script([] {});
  ended.pump.script([&ended] { ended.pump.endProgram(); });
  ended.starter.start();
  EXPECT_EQ(ended.journal, kOpening);

  // However long the log, the full turns stay three, and a due turn is offered
  // per 64 samples and per piece.
  std::string log;
  for (int i = 0; i < 43200; ++i) {
    log += i % 4 == 0 ? "90\r\n" : "10\r\n";
  }
  Rig huge(kLaterStart, log.c_str());
  huge.host.pieceBytes = 64 * 1024;
  huge.starter.start();
  EXPECT_EQ(huge.pump.pumpCount(), 3);
  EXPECT_EQ(huge.pump.dueOffers(), 43200 / 64 + 3);
  EXPECT_EQ(huge.state.learnedfree, 30);
}

TEST(StarterTest, AnEndDuringAPageStopsTheFinishAndAFailingGreetingEndsTheProgram) {
  Rig paged(kApply);
  paged.popup.onWait = [&paged](const std::string& msg) {
    if (msg.rfind("Please use", 0) == 0) {
      paged.pump.endProgram();
    }
  };
  paged.starter.start();
  paged.starter.setoptions();
  EXPECT_EQ(paged.journal.back(), kPages[2]);

  Rig failing;
  failing.popup.onWait = [](const std::string&) { throw std::runtime_error("no pop-up"); };
  EXPECT_NO_THROW(failing.starter.start());
  EXPECT_TRUE(failing.pump.ending());
  Rig missing;  // a window or timer that cannot be made is not a first use
  missing.popup.onWait = [](const std::string&) { throw CreationFailure("no pop-up"); };
  EXPECT_THROW(missing.starter.start(), CreationFailure);
}

TEST(ReadsAsTruthValue, TakesTruthWordsAndNumbersOnly) {
  for (const char* text : {"True", "FALSE", "tRuE", "0", "-1", "+7", "2.5", ".5", "5.", "00"}) {
    EXPECT_TRUE(readsAsTruthValue(text)) << text;
  }
  for (const char* text : {" True", "1 ", "1e3", "-", ".", "1.2.3", "truth", "1,5", "", "Tru"}) {
    EXPECT_FALSE(readsAsTruthValue(text)) << text;
  }
}

struct SplashRig final : SplashView {
  void setLoadingCaption(const std::string& text) override { caption = text; }
  void hide() override { journal.push_back("hide"); }
  void unload() override { journal.push_back("unload"); }

  std::string caption = "Loading...";
  Journal journal;
  FakePopup popup{journal};
  FakeTimerService timers;
  Splash splash{*this, timers, popup, [this] { journal.push_back("start"); },
                [this] { journal.push_back("options"); }};
};

TEST(SplashTest, LoadsAsTheSecondCopyOrHandsOverOnceAfterThreeSeconds) {
  SplashRig second;
  EXPECT_FALSE(second.splash.load(true));
  EXPECT_EQ(second.journal,
            (Journal{"unload", "mention: Welcome to the options screen!", "options"}));
  EXPECT_EQ(second.timers.activeTimers(), 0);

  SplashRig rig;
  EXPECT_TRUE(rig.splash.load(false));
  for (const char* frame : {"Loading....", "Loading.....", "Loading", "Loading."}) {
    rig.timers.advance(75);
    EXPECT_EQ(rig.caption, frame);
  }
  rig.timers.advance(2999 - 300);
  EXPECT_TRUE(rig.journal.empty());
  rig.timers.advance(1);
  const std::string frozen = rig.caption;
  rig.timers.advance(60000);
  EXPECT_EQ(rig.journal, (Journal{"hide", "start"}));
  EXPECT_EQ(rig.caption, frozen);
  EXPECT_EQ(rig.timers.activeTimers(), 0);
}

}  // namespace
}  // namespace vorlane::testing
