// The first use of Vorlane, driven as a person would: the splash, the greeting,
// the options screen and the four learning pages, every step by a real click,
// or every step by a real key; then the settings, the Run entry and the logger.

#include "tests/e2e/scenario.h"

namespace vorlane::e2e {
namespace {

class FirstUse : public Scenario {};

TEST_F(FirstUse, SplashGreetingOptionsAndPagesByRealClicksAtRealSpeed) {
  // A Run entry left from before: choosing "False" must take it away.
  ASSERT_TRUE(setUserValue(kRunKey, kRunValue, "\"C:\\old\\Vorlane.exe\""));
  const Process vorlane = start("Vorlane.exe");
  const DWORD pid = vorlane.id;

  HWND company = waitForText(pid, "ZendrySoft");
  ASSERT_NE(company, nullptr) << "the splash never showed";
  const DWORD splashSeen = ::GetTickCount();
  EXPECT_TRUE(saveScreenshot(company, "firstuse-1-splash"));
  for (const char* text : {"Presents", "Zendry's Vorlane", "Platform: ME/XP", "Version 0.1 (Beta)",
                           "First Build: 18/10/03"}) {
    EXPECT_NE(waitForText(pid, text, 0), nullptr) << text;
  }
  TextWatch splash(pid);
  ASSERT_TRUE(splash.watchUntil([&] { return splash.seen(kGreeting).has_value(); }, 6000, 5));
  EXPECT_GE(::GetTickCount() - splashSeen, 2500u) << "the splash went early";
  int frames = 0;
  for (const std::string& text : splash.history()) {
    const bool frame = text.rfind("Loading", 0) == 0;
    EXPECT_TRUE(!frame || (text.size() <= 12 && text.find_first_not_of('.', 7) == text.npos));
    frames += frame;
  }
  EXPECT_GE(frames, 5) << "the Loading caption hardly moved";

  HWND greeting = waitForText(pid, kGreeting);
  ASSERT_NE(greeting, nullptr);
  EXPECT_TRUE(textGone(pid, "ZendrySoft", 1000)) << "the splash stayed with the greeting";
  EXPECT_TRUE(saveScreenshot(greeting, "firstuse-2-greeting"));
  ASSERT_TRUE(clickText(pid, "Next"));

  HWND title = waitForText(pid, "Options");
  ASSERT_NE(title, nullptr);
  EXPECT_TRUE(textGone(pid, kGreeting, 1000));
  for (const char* text : {"Mode Select", "Run When Computer Starts", "Stealth ", "False"}) {
    EXPECT_NE(waitForText(pid, text, 0), nullptr) << text;
  }
  HWND apply = waitForText(pid, "Ap&ply", 0);
  ASSERT_NE(apply, nullptr);
  char className[32] = {};
  ::GetClassNameA(apply, className, sizeof className);
  EXPECT_STREQ(className, "VelkXPButton");
  EXPECT_TRUE(checked(waitForText(pid, "Normal", 0)));
  EXPECT_TRUE(checked(waitForText(pid, "True", 0)));
  EXPECT_TRUE(saveScreenshot(title, "firstuse-3-options"));
  for (const char* choice : {"Stealth ", "False"}) {
    ASSERT_TRUE(clickText(pid, choice));
    ASSERT_TRUE(checked(waitForText(pid, choice)));
  }
  EXPECT_EQ(::SendMessageA(waitForText(pid, "Normal", 0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(::SendMessageA(waitForText(pid, "True", 0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(saveScreenshot(title, "firstuse-4-options-stealth-false"));
  click(apply);

  pageThroughLearning(pid, "firstuse-5");
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(vorlane.waitForExit(10000), std::optional<DWORD>(0));
  expectStored("True", "stealth", "false");
  EXPECT_TRUE(eventually([&] { return readFileText(path("log.dat")).has_value(); }, 5000));
}

// Without a mouse: Enter on the greeting, the options by arrows, Tab, Space
// and Alt+P, Enter on each page. Every key waits for the focus it is meant for.
TEST_F(FirstUse, AWholeFirstUseByKeyboardAlone) {
  const Process vorlane = start("Vorlane.exe", 10);
  const DWORD pid = vorlane.id;
  HWND greeting = waitForText(pid, kGreeting);
  ASSERT_NE(greeting, nullptr);
  ASSERT_TRUE(eventually(
      [&] { return ::GetForegroundWindow() == ::GetAncestor(greeting, GA_ROOT); }, 2000));
  pressKey(VK_ESCAPE);
  EXPECT_FALSE(textGone(pid, kGreeting, 300)) << "Esc dismissed the greeting";
  pressKey(VK_RETURN);

  ASSERT_NE(waitForText(pid, "Options"), nullptr) << "Enter did not pass the greeting";
  HWND stealth = waitForText(pid, "Stealth ", 0);
  HWND normal = waitForText(pid, "Normal", 0);
  HWND falseOption = waitForText(pid, "False", 0);
  HWND trueOption = waitForText(pid, "True", 0);
  HWND apply = waitForText(pid, "Ap&ply", 0);
  ASSERT_TRUE(stealth && normal && falseOption && trueOption && apply);
  const auto focusOn = [&](HWND window) {
    return eventually(
        [&] {
          GUITHREADINFO info{};
          info.cbSize = sizeof info;
          return ::GetGUIThreadInfo(::GetWindowThreadProcessId(apply, nullptr), &info) &&
                 info.hwndFocus == window;
        },
        2000);
  };
  ASSERT_TRUE(focusOn(normal));
  // Arrows choose, Space keeps the choice, Tab moves the focus.
  const std::pair<WORD, HWND> steps[] = {{VK_UP, stealth},        {VK_TAB, apply},
                                         {VK_TAB, trueOption},    {VK_UP, falseOption},
                                         {VK_SPACE, falseOption}, {VK_DOWN, trueOption}};
  for (const auto& [key, window] : steps) {
    pressKey(key);
    ASSERT_TRUE(key == VK_TAB ? focusOn(window) : checked(window)) << "key " << key;
  }
  pressKey('P', true);

  pageThroughLearning(pid, "", true);
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(vorlane.waitForExit(10000), std::optional<DWORD>(0));
  expectStored("True", "stealth", "true");
}

}  // namespace
}  // namespace vorlane::e2e
