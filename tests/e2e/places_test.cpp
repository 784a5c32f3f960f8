// Vorlane where Windows users keep programs: a folder the user cannot write
// (the log moves to the local application data, both programs agreeing) and a
// folder named outside any one ANSI code page. Each runs a first use and a
// later start that reaches the watch.

#include <shlobj.h>

#include <algorithm>

#include "host/win32/wide_text.h"
#include "tests/e2e/scenario.h"

namespace vorlane::e2e {
namespace {

// 38 % of 2 GiB free while learning; 30 % at the later start, where the watch
// clears (38 - 30) % of 2 GiB: 164 MB.
const char* const kLearningFigures = "2147483648 816043786";
const char* const kWatchFigures = "2147483648 644245094";

std::string localAppDataVorlane() {
  wchar_t path[MAX_PATH] = {};
  ::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, path);
  return win32::toUtf8(path) + "\\Vorlane";
}

class Places : public Scenario {
 protected:
  explicit Places(std::string folderStem) : Scenario(std::move(folderStem)) {}

  void SetUp() override {
    Scenario::SetUp();
    // The memory figures lie outside the programs' folder, which may be read-only.
    memoryFolder_ = makeFreshFolder("vorlane-e2e-memory");
    removeFolder(localAppDataVorlane());
  }

  void TearDown() override {
    Scenario::TearDown();
    removeFolder(memoryFolder_);
    removeFolder(localAppDataVorlane());
  }

  Environment environment(const char* figures) const {
    const std::string file = memoryFolder_ + "\\memory.txt";
    EXPECT_TRUE(writeFileText(file, figures));
    return {{"VORLANE_TIME_SCALE", "1000"}, {"VORLANE_MEMORY_FILE", file}};
  }

  // A first use applied with the screen's defaults; the logger then learns
  // into `logFolder` until the computer "restarts" (every program ended).
  void firstUseLearningInto(const std::string& logFolder) const {
    const Process vorlane = start("Vorlane.exe", environment(kLearningFigures));
    const DWORD pid = vorlane.id();
    ASSERT_NE(waitForText(pid, kGreeting, 5000), nullptr) << "no greeting";
    ASSERT_TRUE(clickText(pid, "Next"));
    ASSERT_NE(waitForText(pid, "Options", 5000), nullptr);
    ASSERT_NE(findChildOfClass(pid, kApplyButtonClass), nullptr);
    pressKey('P', true);  // the options screen has the keyboard: its access key applies
    pageThroughLearning(pid);
    ASSERT_FALSE(HasFatalFailure());
    expectFinishedWithDefaults(vorlane);
    const std::string log = logFolder + "\\log.dat";
    EXPECT_TRUE(eventually(
        [&] {
          const auto text = readFileText(log);
          return text && std::count(text->begin(), text->end(), '\n') >= 3;
        },
        5000))
        << "the logger wrote no samples to " << log;
    terminateProcessesIn(folder_);
  }

  // The later start learns what the logger wrote and watches: the first check
  // clears, with no greeting and no word of a missing log.
  void laterStartReachesTheWatch() const {
    const Process vorlane = start("Vorlane.exe", environment(kWatchFigures));
    TextWatch watch(vorlane.id());
    EXPECT_TRUE(watch.watchUntil(
        [&] { return watch.seenStartingWith("Clearing Ram... 164MB\r\n"); }, 30000, 2))
        << ::testing::PrintToString(watch.history());
    EXPECT_FALSE(watch.seen("Corrupted / Missing Log File!"));
    EXPECT_FALSE(watch.seen(kGreeting));
    EXPECT_TRUE(vorlane.running());
    EXPECT_TRUE(waitForOneLogger());
  }

  std::string memoryFolder_;
};

// The scenario's folder bind-mounted read-only onto itself, as Program Files
// is to a standard user; unmounted (its programs ended first) however the
// scenario ends.
class ReadOnlyMount {
 public:
  explicit ReadOnlyMount(std::string folder) : folder_(std::move(folder)) {
    if (const auto unix = unixPath(folder_)) {
      unix_ = *unix;
      mounted_ = runUnixCommand({"mount", "--bind", unix_, unix_});
      readOnly_ = mounted_ && runUnixCommand({"mount", "-o", "remount,ro,bind", unix_});
    }
  }
  ~ReadOnlyMount() {
    terminateProcessesIn(folder_);
    if (mounted_) {
      runUnixCommand({"umount", "-l", unix_});
    }
  }
  ReadOnlyMount(const ReadOnlyMount&) = delete;
  ReadOnlyMount& operator=(const ReadOnlyMount&) = delete;

  bool readOnly() const { return readOnly_; }

 private:
  std::string folder_;
  std::string unix_;
  bool mounted_ = false;
  bool readOnly_ = false;
};

class ReadOnlyFolder : public Places {
 protected:
  ReadOnlyFolder() : Places("vorlane-e2e") {}
};

TEST_F(ReadOnlyFolder, LogLivesInLocalAppDataAndTheLaterStartWatches) {
  const ReadOnlyMount mount(folder_);
  ASSERT_TRUE(mount.readOnly()) << "cannot mount " << folder_ << " read-only (needs Wine, root)";
  ASSERT_FALSE(writeFileText(path("probe.txt"), "x")) << "the folder is still writable";

  firstUseLearningInto(localAppDataVorlane());
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_FALSE(fileExists(path("log.dat")));
  laterStartReachesTheWatch();
}

class UnicodeFolder : public Places {
 protected:
  // "Память 記憶": Cyrillic and CJK, which no one ANSI code page holds.
  UnicodeFolder()
      : Places(
            "vorlane-e2e-\xD0\x9F\xD0\xB0\xD0\xBC\xD1\x8F\xD1\x82\xD1\x8C "
            "\xE8\xA8\x98\xE6\x86\xB6") {}
};

TEST_F(UnicodeFolder, FirstUseAndLaterStartWithTheRunEntrysTruePath) {
  firstUseLearningInto(folder_);
  ASSERT_FALSE(HasFatalFailure());
  // Read back wide: the quoted UTF-8 path of the exe in this folder.
  EXPECT_EQ(runValue(), std::optional<std::string>(expectedRunValue()));
  laterStartReachesTheWatch();
}

}  // namespace
}  // namespace vorlane::e2e
