#include "tests/e2e/scenario.h"

namespace vorlane::e2e {

void Scenario::SetUp() {
  clearRegistry();
  folder_ = makeFreshFolder(folderStem_);
  const std::string programs = thisExeFolder();
  for (const char* exe : {"Vorlane.exe", "logger.exe"}) {
    ASSERT_TRUE(copyFileTo(programs + exe, path(exe))) << "no " << exe << " in " << programs;
  }
}

void Scenario::TearDown() {
  terminateProcessesIn(folder_);
  EXPECT_TRUE(processesIn(folder_).empty());
  removeFolder(folder_);
  clearRegistry();
}

void Scenario::clearRegistry() const {
  deleteUserKey(kSettingsKey);
  deleteUserValue(kRunKey, kRunValue);
}

Process Scenario::start(const std::string& exeName, const Environment& environment) const {
  return startProgram(path(exeName), environment);
}

std::optional<std::string> Scenario::setting(const std::string& name) const {
  return readUserValue(kSettingsKey, name);
}

void Scenario::setSetting(const std::string& name, const std::string& value) const {
  ASSERT_TRUE(setUserValue(kSettingsKey, name, value));
}

std::optional<std::string> Scenario::runValue() const { return readUserValue(kRunKey, kRunValue); }

Environment Scenario::fastEnvironment(unsigned scale, const std::string& memoryFigures) const {
  Environment environment{{"VORLANE_TIME_SCALE", std::to_string(scale)}};
  if (!memoryFigures.empty()) {
    EXPECT_TRUE(writeFileText(path("memory.txt"), memoryFigures));
    environment.emplace_back("VORLANE_MEMORY_FILE", path("memory.txt"));
  } else {
    environment.emplace_back("VORLANE_MEMORY_FILE", "");
  }
  return environment;
}

bool Scenario::clickText(DWORD pid, const std::string& text, DWORD timeoutMs) {
  HWND window = waitForText(pid, text, timeoutMs);
  if (window == nullptr) {
    return false;
  }
  click(window);
  return true;
}

bool Scenario::chooseOption(DWORD pid, const std::string& text) {
  HWND option = waitForText(pid, text, 5000);
  if (option == nullptr) {
    return false;
  }
  click(option);
  return eventually([&] { return ::SendMessageA(option, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 2000);
}

void Scenario::pageThroughLearning(DWORD pid, const std::string& shotStem, bool byEnter) {
  const struct {
    const char* text;
    const char* link;
  } pages[] = {{kPage1, "Next"}, {kPage2, "Next"}, {kPage3, "Next"}, {kPage4, "Close"}};
  int number = 0;
  for (const auto& page : pages) {
    ++number;
    SCOPED_TRACE(page.text);
    HWND shown = waitForText(pid, page.text, 5000);
    ASSERT_NE(shown, nullptr) << "page " << number << " never showed";
    HWND link = waitForText(pid, page.link, 2000);
    ASSERT_NE(link, nullptr) << "page " << number << " has no " << page.link;
    if (!shotStem.empty()) {
      EXPECT_TRUE(saveScreenshot(shown, shotStem + "-page" + std::to_string(number)));
    }
    if (byEnter) {
      ASSERT_TRUE(eventually([&] { return ::GetForegroundWindow() == topLevelOf(shown); }, 2000))
          << "page " << number << " is not the foreground window";
      pressKey(VK_RETURN);
    } else {
      click(link);
    }
    ASSERT_TRUE(textGone(pid, page.text, 5000)) << "page " << number << " stayed";
  }
}

void Scenario::expectFinishedWithDefaults(const Process& vorlane) const {
  EXPECT_EQ(vorlane.waitForExit(10000), std::optional<DWORD>(0));
  EXPECT_EQ(setting("firstuse"), std::optional<std::string>("True"));
  EXPECT_EQ(setting("mode"), std::optional<std::string>("normal"));
  EXPECT_EQ(setting("startrun"), std::optional<std::string>("true"));
  EXPECT_EQ(runValue(), std::optional<std::string>(expectedRunValue()));
  EXPECT_TRUE(waitForOneLogger());
}

bool Scenario::waitForOneLogger(DWORD timeoutMs) const {
  return eventually([&] { return loggersRunning() == 1; }, timeoutMs);
}

}  // namespace vorlane::e2e
