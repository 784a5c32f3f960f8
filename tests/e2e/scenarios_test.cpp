// The real programs driven as a person would, each scenario on a fresh stage
// with the desktop to itself.

#include <gtest/gtest.h>

#include "host/win32/tests/test_support.h"
#include "tests/e2e/driver.h"

namespace vorlane::e2e {
namespace {

// 37.4 and 38.6 read as 37 and 39: the learned level is 38 %.
const char* const kLearnedLog = "37.4\r\n38.6\r\n";

// Every stage's folder is named in Cyrillic and CJK ("Память 記憶"), which no
// one ANSI code page holds.
class Scenario : public ::testing::Test, public Stage {
 protected:
  void SetUp() override {
    ASSERT_TRUE(
        open("vorlane-e2e-\xD0\x9F\xD0\xB0\xD0\xBC\xD1\x8F\xD1\x82\xD1\x8C "
             "\xE8\xA8\x98\xE6\x86\xB6"));
  }
  void TearDown() override { EXPECT_TRUE(close()) << "a program outlived the scenario"; }

  static bool checked(Process& program, const char* option, DWORD timeoutMs = 2000) {
    return eventually(
        [&] { return ::SendMessageA(program.find(option, 0), BM_GETCHECK, 0, 0) == BST_CHECKED; },
        timeoutMs);
  }
  static bool hasKeyboard(HWND window) {
    return eventually([&] { return ::GetForegroundWindow() == ::GetAncestor(window, GA_ROOT); },
                      2000);
  }

  // The four learning pages, each left by a click on its link or, `byEnter`,
  // by Enter, and each saved as `shots`-pageN; then the program ends, having
  // stored the first use in `mode` and `startrun`.
  void finishLearning(Process& vorlane, const char* mode, const char* startrun,
                      const std::string& shots = "", bool byEnter = false) const {
    const char* const pages[][2] = {
        {"Vorlane will now start \r\nlearning your memory usage...", "Next"},
        {"Please use your computer \r\nas normally as possible...", "Next"},
        {"To enter this options dialog again, \r\nrestart and run Vorlane twice.", "Next"},
        {"Vorlane will start work the \r\nnext time you use this computer.", "Close"}};
    for (int number = 1; number <= 4; ++number) {
      const auto [text, linkText] = pages[number - 1];
      HWND page = vorlane.find(text);
      HWND link = vorlane.find(linkText, 2000);
      ASSERT_TRUE(page && link) << text;
      EXPECT_TRUE(shots.empty() || saveScreenshot(page, shots + "-page" + std::to_string(number)));
      if (byEnter) {
        ASSERT_TRUE(hasKeyboard(page)) << text;
        pressKey(VK_RETURN);
      } else {
        click(link);
      }
      ASSERT_TRUE(vorlane.gone(text)) << text;
    }
    EXPECT_EQ(vorlane.exitCode(10000), 0u);
    expectStored("True", mode, startrun);
  }

  // What the options screen stored, the Run entry of this folder's Vorlane.exe
  // there exactly when `startrun` is "true", and one logger running.
  void expectStored(const char* firstuse, const char* mode, const std::string& startrun) const {
    EXPECT_EQ(readUserValue(kSettingsKey, "firstuse"), firstuse);
    EXPECT_EQ(readUserValue(kSettingsKey, "mode"), mode);
    EXPECT_EQ(readUserValue(kSettingsKey, "startrun"), startrun);
    EXPECT_EQ(readUserValue(kRunKey, kRunValue),
              startrun == "true" ? std::optional("\"" + path("Vorlane.exe") + "\"") : std::nullopt);
    EXPECT_TRUE(eventually([&] { return loggersRunning() == 1; }, 5000));
  }

  // The learning restarted from `opening` and finished with the defaults at
  // 38 % of 2 GiB free; the logger samples into `logFolder` until every
  // program ends. The later start in `mode` then learns those samples and, at
  // 30 % free, clears (38 - 30) % of 2 GiB in 1048567-byte megabytes: 164.
  void learnThenClear(const char* opening, const std::string& logFolder, const char* mode) const {
    Process learning = start("Vorlane.exe", 1000, "2147483648 816043786");
    ASSERT_NE(learning.find(opening), nullptr);
    EXPECT_EQ(loggersRunning(), opening == kGreeting ? 1u : 0u) << "the log read decides";
    ASSERT_TRUE(learning.click("Next"));
    if (opening == kGreeting) {
      ASSERT_NE(learning.find("Ap&ply"), nullptr);
      pressKey('P', true);  // the options screen has the keyboard: its access key applies
    }
    ASSERT_NO_FATAL_FAILURE(finishLearning(learning, "normal", "true"));
    const std::string log = logFolder + "\\log.dat";
    EXPECT_TRUE(eventually([&] { return samplesIn(log, "37.9999999888241") >= 3; }, 5000))
        << readFileText(log).value_or("no log");
    endPrograms();
    ASSERT_TRUE(setUserValue(kSettingsKey, "mode", mode));
    Process watching = start("Vorlane.exe", 1000, "2147483648 644245094");
    checkLaterStartClears(*this, watching, mode, 164, "29.9999999813735", log, 30000,
                          [](bool ok, const std::string& what, const std::string& seen) {
                            EXPECT_TRUE(ok) << what << ": " << seen;
                          });
  }

 private:
  win32::testing::DesktopLock desktop_;
};

using FirstUse = Scenario;

// Each screen saved for the tour.
TEST_F(FirstUse, SplashGreetingOptionsAndPagesByRealClicksAtRealSpeed) {
  // A Run entry left from before: choosing "False" must take it away.
  ASSERT_TRUE(setUserValue(kRunKey, kRunValue, "\"C:\\old\\Vorlane.exe\""));
  Process vorlane = start("Vorlane.exe");
  HWND company = vorlane.find("ZendrySoft");
  ASSERT_NE(company, nullptr);
  const DWORD splashSeen = ::GetTickCount();
  EXPECT_TRUE(saveScreenshot(company, "firstuse-1-splash"));
  ASSERT_TRUE(vorlane.watch([&] { return vorlane.seen(kGreeting).has_value(); }, 6000, 5));
  EXPECT_GE(::GetTickCount() - splashSeen, 2500u) << "the splash went early";
  EXPECT_TRUE(vorlane.seen("Loading....")) << "the caption never moved: " << vorlane.seenTexts();

  HWND greeting = vorlane.find(kGreeting);
  EXPECT_TRUE(vorlane.gone("ZendrySoft", 1000)) << "the splash stayed with the greeting";
  EXPECT_TRUE(saveScreenshot(greeting, "firstuse-2-greeting"));
  ASSERT_TRUE(vorlane.click("Next"));
  HWND title = vorlane.find("Options");
  EXPECT_TRUE(vorlane.gone(kGreeting, 1000));
  EXPECT_TRUE(checked(vorlane, "Normal") && checked(vorlane, "True"));
  EXPECT_TRUE(saveScreenshot(title, "firstuse-3-options"));
  ASSERT_TRUE(vorlane.click("Stealth ") && checked(vorlane, "Stealth "));
  ASSERT_TRUE(vorlane.click("False") && checked(vorlane, "False"));
  EXPECT_FALSE(checked(vorlane, "Normal", 0) || checked(vorlane, "True", 0));
  EXPECT_TRUE(saveScreenshot(title, "firstuse-4-options-stealth-false"));
  ASSERT_TRUE(vorlane.click("Ap&ply"));
  finishLearning(vorlane, "stealth", "false", "firstuse-5");
}

// Without a mouse: Enter on the greeting (Esc does nothing), the options by
// arrows, Tab, Space and Alt+P, Enter on each page. Every arrow and Space waits
// for the choice it makes, which also shows where the focus started and where
// each Tab moved it (Stealth, Apply, True).
TEST_F(FirstUse, AWholeFirstUseByKeyboardAlone) {
  Process vorlane = start("Vorlane.exe", 10);
  ASSERT_TRUE(hasKeyboard(vorlane.find(kGreeting)));
  pressKey(VK_ESCAPE);
  EXPECT_FALSE(vorlane.gone(kGreeting, 300)) << "Esc dismissed the greeting";
  pressKey(VK_RETURN);
  ASSERT_TRUE(hasKeyboard(vorlane.find("Options"))) << "Enter did not pass the greeting";
  const std::pair<WORD, const char*> steps[] = {{VK_UP, "Stealth "}, {VK_TAB, nullptr},
                                                {VK_TAB, nullptr},   {VK_UP, "False"},
                                                {VK_SPACE, "False"}, {VK_DOWN, "True"}};
  for (const auto& [key, text] : steps) {
    pressKey(key);
    ASSERT_TRUE(text == nullptr || checked(vorlane, text)) << "key " << key;
  }
  pressKey('P', true);
  finishLearning(vorlane, "stealth", "true", "", true);
}

// logger.exe alone: one copy at a time, the log emptied at its start and one
// "37.5" CR LF a (scaled) minute for 37.5 % free; a log it cannot open costs
// samples, never the logger or what the log holds.
using Logger = Scenario;

TEST_F(Logger, SamplesEachScaledMinuteRunsOnceAndOutlivesALockedLog) {
  const auto samples = [&] { return samplesIn(path("log.dat"), "37.5"); };
  ASSERT_TRUE(writeFileText(path("log.dat"), "99\r\n12.5\r\n"));
  const Process logger = start("logger.exe", 200, "1000 375");  // a sample every 300 ms
  ASSERT_TRUE(eventually([&] { return samples() >= 3; }, 5000)) << "too few samples, or a bad line";
  const int before = samples();
  EXPECT_EQ(start("logger.exe", 200, "1000 375").exitCode(5000), 0u);
  EXPECT_GE(samples(), before) << "the second copy emptied the log";
  DWORD held = 0;
  {
    // Opened for nobody else: a few ticks find the log locked.
    const win32::UniqueFile lock(::CreateFileW(win32::widen(path("log.dat")).c_str(), GENERIC_READ,
                                               0, nullptr, OPEN_EXISTING, 0, nullptr));
    held = ::GetFileSize(lock.get(), nullptr) / 6;
    ::Sleep(1000);
    EXPECT_EQ(::GetFileSize(lock.get(), nullptr) / 6, held) << "written while locked";
  }
  EXPECT_TRUE(logger.running()) << "the logger gave up on a locked log";
  EXPECT_GE(samples(), static_cast<int>(held)) << "the log lost samples";
  EXPECT_TRUE(eventually([&] { return samples() >= static_cast<int>(held) + 3; }, 5000));
}

using LaterStart = Scenario;

TEST_F(LaterStart, ASecondCopyWelcomesToTheOptionsScreenAndApplyEndsItAlone) {
  // The first copy watches, with so much memory free that it never clears.
  ASSERT_TRUE(laterStart("normal", kLearnedLog));
  Process first = start("Vorlane.exe", 10, "1073741824 966367641");
  ASSERT_TRUE(eventually([&] { return loggersRunning() == 1; }, 5000));
  ASSERT_TRUE(eventually([&] { return first.look().empty(); }, 5000));
  Process second = start("Vorlane.exe", 10, "1073741824 966367641");
  ASSERT_TRUE(second.watch(
      [&] { return second.seen("Welcome to the options screen!").has_value(); }, 5000, 5));
  // The options screen comes only after the click.
  second.watch([] { return false; }, 300, 5);
  EXPECT_FALSE(second.seen("ZendrySoft") || second.seen("Loading") || second.seen("Options"));
  for (const char* text : {"Next", "Stealth ", "Ap&ply"}) {
    ASSERT_TRUE(second.click(text)) << text;
  }
  second.watch([&] { return !second.running(); }, 5000, 5);
  EXPECT_EQ(second.exitCode(1000), 0u);
  EXPECT_FALSE(second.seen("Vorlane will now start")) << "the pages showed";
  expectStored("False", "stealth", "true");
  EXPECT_TRUE(first.running()) << "the first copy ended with the second";
}

TEST_F(LaterStart, AnEmptyLogGreetsAsAFirstUseThenTheWatchClearsWithProgress) {
  ASSERT_TRUE(laterStart("normal", ""));
  learnThenClear(kGreeting, folder, "normal");
}

TEST_F(LaterStart, AMissingLoggerIsReportedAndEndsTheProgram) {
  ASSERT_TRUE(laterStart("normal", kLearnedLog));
  ASSERT_TRUE(::DeleteFileW(win32::widen(path("logger.exe")).c_str()));
  Process vorlane = start("Vorlane.exe", 10);
  ASSERT_NE(vorlane.find("Error Detected!\r\n\"logger.exe\" not found!"), nullptr);
  ASSERT_TRUE(vorlane.click("Close"));
  EXPECT_EQ(vorlane.exitCode(5000), 0u);
}

// The folder bind-mounted read-only onto itself, as Program Files is to a
// standard user, and unmounted, its programs ended first, however it ends.
class ReadOnlyFolder : public Scenario {
 protected:
  void SetUp() override {
    Scenario::SetUp();
    ASSERT_TRUE(onFolder("mount --bind \"$0\" \"$0\" && mount -o remount,ro,bind \"$0\""))
        << "cannot mount " << folder << " read-only (needs Wine, root)";
  }
  void TearDown() override {
    endPrograms();
    onFolder("umount -l \"$0\"");
    Scenario::TearDown();
  }

  // Runs the shell `command` from inside Wine, the folder's Unix path as $0;
  // true when it exited with 0.
  bool onFolder(std::string command) const {
    const auto toUnix = win32::kernelFunction<char*(CDECL*)(LPCWSTR)>("wine_get_unix_file_name");
    const auto spawn = win32::runTimeFunction<LONG(CDECL*)(char* const*, int)>(
        ::GetModuleHandleA("ntdll.dll"), "__wine_unix_spawnvp");
    char* const unix = toUnix ? toUnix(win32::widen(folder).c_str()) : nullptr;
    char shell[] = "sh";
    char option[] = "-c";
    char* argv[] = {shell, option, command.data(), unix, nullptr};
    const bool exited = unix && spawn && spawn(argv, TRUE) == 0;
    ::HeapFree(::GetProcessHeap(), 0, unix);
    return exited;
  }
};

TEST_F(ReadOnlyFolder, MissingLogRestartsTheLearningInLocalAppDataThenStealthClears) {
  ASSERT_FALSE(writeFileText(path("probe.txt"), "x")) << "the folder is still writable";
  // Stored choices that the restart with the defaults replaces.
  ASSERT_TRUE(setUserValue(kSettingsKey, "firstuse", "True") &&
              setUserValue(kSettingsKey, "mode", "stealth") &&
              setUserValue(kSettingsKey, "startrun", "false"));
  learnThenClear("Corrupted / Missing Log File!", localDataFolder(), "stealth");
}

}  // namespace
}  // namespace vorlane::e2e
