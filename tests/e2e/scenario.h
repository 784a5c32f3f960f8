#pragma once

// The ground every end-to-end scenario stands on: the desktop to itself and a
// fresh stage, its programs ended however the scenario ends.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "host/win32/tests/test_support.h"
#include "tests/e2e/driver.h"

namespace vorlane::e2e {

class Scenario : public ::testing::Test, public Stage {
 protected:
  explicit Scenario(std::string stem = "vorlane-e2e") : stem_(std::move(stem)) {}
  void SetUp() override { ASSERT_TRUE(open(stem_)) << "no Vorlane.exe or logger.exe here"; }
  void TearDown() override { EXPECT_TRUE(close()) << "a program outlived the scenario"; }

  static bool clickText(DWORD pid, const std::string& text) {
    HWND window = waitForText(pid, text);
    if (window != nullptr) {
      click(window);
    }
    return window != nullptr;
  }
  static bool checked(HWND option) {
    return eventually([&] { return ::SendMessageA(option, BM_GETCHECK, 0, 0) == BST_CHECKED; },
                      2000);
  }

  // Pages through the four learning pages by a click on each link or, `byEnter`,
  // by Enter once the page has the keyboard; each saved as `shots`-pageN.
  static void pageThroughLearning(DWORD pid, const std::string& shots = "", bool byEnter = false) {
    const char* const pages[][2] = {
        {"Vorlane will now start \r\nlearning your memory usage...", "Next"},
        {"Please use your computer \r\nas normally as possible...", "Next"},
        {"To enter this options dialog again, \r\nrestart and run Vorlane twice.", "Next"},
        {"Vorlane will start work the \r\nnext time you use this computer.", "Close"}};
    for (int number = 1; number <= 4; ++number) {
      const char* const text = pages[number - 1][0];
      SCOPED_TRACE(text);
      HWND page = waitForText(pid, text);
      HWND link = waitForText(pid, pages[number - 1][1], 2000);
      ASSERT_TRUE(page && link);
      EXPECT_TRUE(shots.empty() || saveScreenshot(page, shots + "-page" + std::to_string(number)));
      if (byEnter) {
        const HWND top = ::GetAncestor(page, GA_ROOT);
        ASSERT_TRUE(eventually([&] { return ::GetForegroundWindow() == top; }, 2000));
        pressKey(VK_RETURN);
      } else {
        click(link);
      }
      ASSERT_TRUE(textGone(pid, text));
    }
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

 private:
  std::string stem_;
  win32::testing::DesktopLock desktop_;
};

}  // namespace vorlane::e2e
