#pragma once

// The ground every end-to-end scenario stands on: the desktop to itself, a
// fresh folder holding copies of Vorlane.exe and logger.exe, no settings and no
// Run entry at the start, and every process that runs from that folder ended
// at the end, whatever the scenario's outcome.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "host/win32/tests/child_process.h"
#include "tests/e2e/driver.h"

namespace vorlane::e2e {

inline constexpr const char* kSettingsKey = "Software\\vorlane\\settings";
inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValue = "Zendry's Vorlane";

inline constexpr const char* kGreeting = "Welcome to Zendry's Vorlane";
inline constexpr const char* kPage1 = "Vorlane will now start \r\nlearning your memory usage...";
inline constexpr const char* kPage2 = "Please use your computer \r\nas normally as possible...";
inline constexpr const char* kPage3 =
    "To enter this options dialog again, \r\nrestart and run Vorlane twice.";
inline constexpr const char* kPage4 =
    "Vorlane will start work the \r\nnext time you use this computer.";
inline constexpr const char* kApplyButtonClass = "VelkXPButton";

class Scenario : public ::testing::Test {
 protected:
  // The scenario's folder is named from `folderStem` (UTF-8) and a number.
  explicit Scenario(std::string folderStem = "vorlane-e2e") : folderStem_(std::move(folderStem)) {}

  void SetUp() override;
  void TearDown() override;

  // A file of the scenario's folder.
  std::string path(const std::string& name) const { return folder_ + "\\" + name; }
  Process start(const std::string& exeName, const Environment& environment = {}) const;

  std::optional<std::string> setting(const std::string& name) const;
  void setSetting(const std::string& name, const std::string& value) const;
  std::optional<std::string> runValue() const;
  // The Run entry a first use with "True" writes for this folder.
  std::string expectedRunValue() const { return "\"" + path("Vorlane.exe") + "\""; }

  // Environment of a run whose timers go `scale` times faster; with a memory
  // file, the figures "totalBytes availBytes" written to memory.txt replace the
  // machine's.
  Environment fastEnvironment(unsigned scale, const std::string& memoryFigures = "") const;

  // Waits for `text` in a visible window of `pid` and clicks it with the real
  // mouse; false when the text never showed.
  static bool clickText(DWORD pid, const std::string& text, DWORD timeoutMs = 5000);
  // Clicks the option button `text` and checks that it became the selected one.
  static bool chooseOption(DWORD pid, const std::string& text);
  // Pages through the four learning pages with real clicks on the link (or,
  // `byEnter`, with the Enter key once the page is the foreground window),
  // checking each text and link; screenshots are named `shotStem`-page1...
  // when a stem is given.
  static void pageThroughLearning(DWORD pid, const std::string& shotStem = "",
                                  bool byEnter = false);

  // The logger processes running from the scenario's folder.
  std::size_t loggersRunning() const { return processesIn(folder_, "logger.exe").size(); }
  bool waitForOneLogger(DWORD timeoutMs = 5000) const;
  // What a first use finished with the screen's defaults ("Normal", "True")
  // leaves: Vorlane ended with 0, the three settings, the quoted Run entry and
  // one logger running.
  void expectFinishedWithDefaults(const Process& vorlane) const;

  std::string folder_;

 private:
  std::string folderStem_;
  void clearRegistry() const;

  // Held from before SetUp until after TearDown, so that scenarios and other
  // window tests run side by side never share the screen or the settings.
  win32::testing::DesktopLock desktop_;
};

}  // namespace vorlane::e2e
