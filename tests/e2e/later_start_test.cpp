// Every later start of Vorlane: the log learned, the logger started afresh and
// the watch clearing; a second copy leading back to the options screen; a
// missing logger, a missing or empty log. Two of them run where Windows users
// keep programs: a folder they cannot write (the log moves to the local
// application data, both programs agreeing) and a folder named outside any one
// ANSI code page.

#include "host/win32/wide_text.h"
#include "tests/e2e/scenario.h"

namespace vorlane::e2e {
namespace {

// 37.4 and 38.6 read as 37 and 39: the learned level is 38 %.
const char* const kLearnedLog = "37.4\r\n38.6\r\n";
const char* const kMissingLog = "Corrupted / Missing Log File!";

class LaterStart : public Scenario {};

TEST_F(LaterStart, ASecondCopyWelcomesToTheOptionsScreenAndApplyEndsItAlone) {
  // The first copy watches, with so much memory free that it never clears.
  ASSERT_TRUE(laterStart("normal", kLearnedLog));
  const Process first = start("Vorlane.exe", 10, "1073741824 966367641");
  ASSERT_TRUE(eventually([&] { return loggersRunning() == 1; }, 5000));
  ASSERT_TRUE(eventually([&] { return visibleTopWindows(first.id).empty(); }, 5000));

  const Process second = start("Vorlane.exe", 10, "1073741824 966367641");
  const DWORD pid = second.id;
  TextWatch watch(pid);
  ASSERT_TRUE(watch.watchUntil(
      [&] { return watch.seen("Welcome to the options screen!").has_value(); }, 5000, 5));
  // The options screen comes only after the click.
  watch.watchUntil([] { return false; }, 300, 5);
  EXPECT_FALSE(watch.seen("ZendrySoft") || watch.seen("Loading") || watch.seen("Options"));
  ASSERT_TRUE(clickText(pid, "Next"));
  ASSERT_TRUE(clickText(pid, "Stealth "));
  ASSERT_TRUE(clickText(pid, "Ap&ply"));
  watch.watchUntil([&] { return !second.running(); }, 5000, 5);
  EXPECT_EQ(second.waitForExit(1000), std::optional<DWORD>(0));
  EXPECT_FALSE(watch.seen("Vorlane will now start")) << "the pages showed";
  expectStored("False", "stealth", "true");
  EXPECT_TRUE(first.running()) << "the first copy ended with the second";
}

TEST_F(LaterStart, AMissingLoggerIsReportedAndEndsTheProgram) {
  ASSERT_TRUE(laterStart("normal", kLearnedLog));
  ASSERT_TRUE(::DeleteFileW(win32::widen(path("logger.exe")).c_str()));
  const Process vorlane = start("Vorlane.exe", 10);
  ASSERT_NE(waitForText(vorlane.id, "Error Detected!\r\n\"logger.exe\" not found!"), nullptr);
  ASSERT_TRUE(clickText(vorlane.id, "Close"));
  EXPECT_EQ(vorlane.waitForExit(5000), std::optional<DWORD>(0));
}

class Places : public Scenario {
 protected:
  explicit Places(std::string stem) : Scenario(std::move(stem)) {}

  // The learning restarted from `opening` and finished with the defaults at
  // 38 % of 2 GiB free; the logger samples into `logFolder` until every
  // program ends. The later start in `mode` then learns those samples and, at
  // 30 % free, clears (38 - 30) % of 2 GiB in 1048567-byte megabytes: 164.
  void learnThenClear(const char* opening, const std::string& logFolder, const char* mode) const {
    const Process learning = start("Vorlane.exe", 1000, "2147483648 816043786");
    const DWORD pid = learning.id;
    ASSERT_NE(waitForText(pid, opening), nullptr);
    EXPECT_EQ(loggersRunning(), opening == kGreeting ? 1u : 0u) << "the log read decides";
    ASSERT_TRUE(clickText(pid, "Next"));
    if (opening == kGreeting) {
      ASSERT_NE(waitForText(pid, "Ap&ply"), nullptr);
      pressKey('P', true);  // the options screen has the keyboard: its access key applies
    }
    pageThroughLearning(pid);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(learning.waitForExit(10000), std::optional<DWORD>(0));
    expectStored("True", "normal", "true");
    const std::string log = logFolder + "\\log.dat";
    EXPECT_TRUE(eventually([&] { return samplesIn(log, "37.9999999888241") >= 3; }, 5000))
        << readFileText(log).value_or("no log");
    endPrograms();

    ASSERT_TRUE(setUserValue(kSettingsKey, "mode", mode));
    const Process watching = start("Vorlane.exe", 1000, "2147483648 644245094");
    checkLaterStartClears(*this, watching, mode, 164, "29.9999999813735", log, 30000,
                          [](bool ok, const std::string& what, const std::string& seen) {
                            EXPECT_TRUE(ok) << what << ": " << seen;
                          });
  }
};

// Runs a Unix command from inside Wine to its end; true when it exited with 0.
bool runUnix(std::vector<std::string> arguments) {
  using Spawn = LONG(CDECL*)(char* const*, int);
  const auto spawn = reinterpret_cast<Spawn>(reinterpret_cast<void (*)()>(
      ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "__wine_unix_spawnvp")));
  std::vector<char*> argv;
  for (auto& argument : arguments) {
    argv.push_back(argument.data());
  }
  argv.push_back(nullptr);
  return spawn != nullptr && spawn(argv.data(), TRUE) == 0;
}

// The folder bind-mounted read-only onto itself, as Program Files is to a
// standard user, and unmounted, its programs ended first, however it ends.
class ReadOnlyFolder : public Places {
 protected:
  ReadOnlyFolder() : Places("vorlane-e2e") {}
  void SetUp() override {
    Places::SetUp();
    using ToUnix = char*(CDECL*)(LPCWSTR);
    const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void (*)()>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* const unix = toUnix ? toUnix(win32::widen(folder).c_str()) : nullptr;
    unix_ = unix ? unix : "";
    ::HeapFree(::GetProcessHeap(), 0, unix);
    mounted_ = !unix_.empty() && runUnix({"mount", "--bind", unix_, unix_});
    ASSERT_TRUE(mounted_ && runUnix({"mount", "-o", "remount,ro,bind", unix_}))
        << "cannot mount " << folder << " read-only (needs Wine, root)";
  }
  void TearDown() override {
    endPrograms();
    if (mounted_) {
      runUnix({"umount", "-l", unix_});
    }
    Places::TearDown();
  }

  std::string unix_;
  bool mounted_ = false;
};

TEST_F(ReadOnlyFolder, MissingLogRestartsTheLearningInLocalAppDataThenStealthClears) {
  ASSERT_FALSE(writeFileText(path("probe.txt"), "x")) << "the folder is still writable";
  // Stored choices that the restart with the defaults replaces.
  ASSERT_TRUE(setUserValue(kSettingsKey, "firstuse", "True") &&
              setUserValue(kSettingsKey, "mode", "stealth") &&
              setUserValue(kSettingsKey, "startrun", "false"));
  learnThenClear(kMissingLog, localDataFolder(), "stealth");
  EXPECT_FALSE(readFileText(path("log.dat")).has_value());
}

class UnicodeFolder : public Places {
 protected:
  // "Память 記憶": Cyrillic and CJK, which no one ANSI code page holds.
  UnicodeFolder()
      : Places(
            "vorlane-e2e-\xD0\x9F\xD0\xB0\xD0\xBC\xD1\x8F\xD1\x82\xD1\x8C "
            "\xE8\xA8\x98\xE6\x86\xB6") {}
};

TEST_F(UnicodeFolder, EmptyLogGreetsAsAFirstUseThenTheWatchClearsWithProgress) {
  ASSERT_TRUE(laterStart("normal", ""));
  learnThenClear(kGreeting, folder, "normal");
}

}  // namespace
}  // namespace vorlane::e2e
