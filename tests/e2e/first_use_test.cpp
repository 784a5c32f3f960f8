// The first use of Vorlane, driven as a person would: the splash, the greeting,
// the options screen and the four learning pages, every step by a real click,
// or every step by a real key; then the settings, the Run entry and the logger
// checked.

#include <oleacc.h>

#include <algorithm>
#include <array>
#include <string>

#include "tests/e2e/scenario.h"

namespace vorlane::e2e {
namespace {

class FirstUse : public Scenario {};

bool isLoadingFrame(const std::string& text) {
  static const std::array<std::string, 6> kFrames = {"Loading",    "Loading.",    "Loading..",
                                                     "Loading...", "Loading....", "Loading....."};
  return std::find(kFrames.begin(), kFrames.end(), text) != kFrames.end();
}

TEST_F(FirstUse, SplashGreetingOptionsAndPagesByRealClicksAtRealSpeed) {
  // A Run entry left from before: choosing "False" must take it away.
  ASSERT_TRUE(setUserValue(kRunKey, kRunValue, "\"C:\\old\\Vorlane.exe\""));
  const Process vorlane = start("Vorlane.exe", {{"VORLANE_TIME_SCALE", ""}});
  const DWORD pid = vorlane.id();

  HWND company = waitForText(pid, "ZendrySoft", 5000);
  ASSERT_NE(company, nullptr) << "the splash never showed";
  const DWORD splashSeen = ::GetTickCount();
  EXPECT_TRUE(saveScreenshot(company, "firstuse-1-splash"));
  for (const char* text : {"Presents", "Zendry's Vorlane", "Platform: ME/XP", "Version 0.1 (Beta)",
                           "First Build: 18/10/03"}) {
    EXPECT_NE(waitForText(pid, text, 0), nullptr) << text;
  }

  TextWatch splash(pid);
  ASSERT_TRUE(splash.watchUntil([&] { return splash.seen(kGreeting); }, 6000, 5))
      << "no greeting after the splash";
  const DWORD greetingAfter = ::GetTickCount() - splashSeen;
  EXPECT_GE(greetingAfter, 2500u);
  EXPECT_LE(greetingAfter, 4500u);
  int frames = 0;
  for (const std::string& text : splash.history()) {
    if (text.compare(0, 7, "Loading") == 0) {
      EXPECT_TRUE(isLoadingFrame(text)) << "not a frame: " << text;
      ++frames;
    }
  }
  EXPECT_GE(frames, 5) << "the Loading caption hardly moved";

  HWND greeting = waitForText(pid, kGreeting, 1000);
  ASSERT_NE(greeting, nullptr);
  EXPECT_TRUE(textGone(pid, "ZendrySoft", 1000)) << "the splash stayed with the greeting";
  EXPECT_NE(waitForText(pid, "Next", 1000), nullptr);
  EXPECT_TRUE(saveScreenshot(greeting, "firstuse-2-greeting"));
  ASSERT_TRUE(clickText(pid, "Next"));

  HWND title = waitForText(pid, "Options", 5000);
  ASSERT_NE(title, nullptr) << "no options screen after Next";
  EXPECT_TRUE(textGone(pid, kGreeting, 1000));
  for (const char* text :
       {"Mode Select", "Stealth ", "Normal", "Run When Computer Starts", "True", "False"}) {
    EXPECT_NE(waitForText(pid, text, 0), nullptr) << text;
  }
  HWND apply = findChildOfClass(pid, kApplyButtonClass);
  ASSERT_NE(apply, nullptr) << "no XP button on the options screen";
  EXPECT_EQ(windowText(apply), "Ap&ply");
  EXPECT_EQ(::SendMessageA(waitForText(pid, "Normal", 0), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(::SendMessageA(waitForText(pid, "True", 0), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(saveScreenshot(title, "firstuse-3-options"));

  ASSERT_TRUE(chooseOption(pid, "Stealth "));
  ASSERT_TRUE(chooseOption(pid, "False"));
  EXPECT_EQ(::SendMessageA(waitForText(pid, "Normal", 0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(::SendMessageA(waitForText(pid, "True", 0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(saveScreenshot(title, "firstuse-4-options-stealth-false"));
  click(apply);

  pageThroughLearning(pid, "firstuse-5");
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(vorlane.waitForExit(10000), std::optional<DWORD>(0));

  EXPECT_EQ(setting("firstuse"), std::optional<std::string>("True"));
  EXPECT_EQ(setting("mode"), std::optional<std::string>("stealth"));
  EXPECT_EQ(setting("startrun"), std::optional<std::string>("false"));
  EXPECT_EQ(runValue(), std::nullopt);
  EXPECT_TRUE(waitForOneLogger()) << "logger.exe is not running";
  EXPECT_TRUE(eventually([&] { return fileExists(path("log.dat")); }, 5000));
}

// Without a mouse: Enter on the greeting, the options by arrows, Tab, Space
// and Alt+P, Enter on each page. Every key waits for the focus it is meant for.
TEST_F(FirstUse, AWholeFirstUseByKeyboardAlone) {
  const Process vorlane = start("Vorlane.exe", fastEnvironment(10));
  const DWORD pid = vorlane.id();
  HWND greeting = waitForText(pid, kGreeting, 5000);
  ASSERT_NE(greeting, nullptr) << "no greeting";
  ASSERT_TRUE(eventually([&] { return ::GetForegroundWindow() == topLevelOf(greeting); }, 2000))
      << "the greeting does not have the keyboard";
  pressKey(VK_ESCAPE);
  EXPECT_FALSE(textGone(pid, kGreeting, 300)) << "Esc dismissed the greeting";
  pressKey(VK_RETURN);

  ASSERT_NE(waitForText(pid, "Options", 5000), nullptr) << "Enter did not pass the greeting";
  HWND stealth = waitForText(pid, "Stealth ", 0);
  HWND normal = waitForText(pid, "Normal", 0);
  HWND falseOption = waitForText(pid, "False", 0);
  HWND trueOption = waitForText(pid, "True", 0);
  HWND apply = findChildOfClass(pid, kApplyButtonClass);
  ASSERT_TRUE(stealth && normal && falseOption && trueOption && apply);
  const auto focusOn = [&](HWND window) {
    return eventually([&] { return keyboardFocus(apply) == window; }, 2000);
  };
  const auto checked = [](HWND option) {
    return eventually([&] { return ::SendMessageA(option, BM_GETCHECK, 0, 0) == BST_CHECKED; },
                      2000);
  };
  ASSERT_TRUE(focusOn(normal));
  // A screen reader in another process hears the Apply button for what it is.
  ASSERT_EQ(::CoInitialize(nullptr), S_OK);
  IAccessible* heard = nullptr;
  ASSERT_EQ(::AccessibleObjectFromWindow(apply, static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), reinterpret_cast<void**>(&heard)),
            S_OK);
  VARIANT self{};
  self.vt = VT_I4;
  VARIANT role{};
  BSTR name = nullptr;
  EXPECT_EQ(heard->get_accRole(self, &role), S_OK);
  EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON);
  EXPECT_EQ(heard->get_accName(self, &name), S_OK);
  EXPECT_EQ(std::wstring(name != nullptr ? name : L""), L"Apply");
  ::SysFreeString(name);
  heard->Release();
  ::CoUninitialize();
  pressKey(VK_UP);
  ASSERT_TRUE(checked(stealth)) << "Up did not choose Stealth";
  pressKey(VK_TAB);
  ASSERT_TRUE(focusOn(apply)) << "Tab did not reach Apply";
  pressKey(VK_TAB);
  ASSERT_TRUE(focusOn(trueOption)) << "Tab did not reach the second group's chosen option";
  pressKey(VK_UP);
  ASSERT_TRUE(checked(falseOption)) << "Up did not choose False";
  pressKey(VK_SPACE);
  ASSERT_TRUE(checked(falseOption)) << "Space on the chosen option changed the choice";
  pressKey(VK_DOWN);
  ASSERT_TRUE(checked(trueOption)) << "Down did not choose True again";
  pressKey('P', true);

  pageThroughLearning(pid, "", true);
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_EQ(vorlane.waitForExit(10000), std::optional<DWORD>(0));
  EXPECT_EQ(setting("firstuse"), std::optional<std::string>("True"));
  EXPECT_EQ(setting("mode"), std::optional<std::string>("stealth"));
  EXPECT_EQ(setting("startrun"), std::optional<std::string>("true"));
  EXPECT_EQ(runValue(), std::optional<std::string>(expectedRunValue()));
  EXPECT_TRUE(waitForOneLogger());
}

}  // namespace
}  // namespace vorlane::e2e
