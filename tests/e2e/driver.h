#pragma once

// The scenarios' and the x86 smoke's hands on the real programs: windows found
// by the texts screen readers read, real input. Paths are UTF-8: any folder name serves.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/win32/handles.h"

namespace vorlane::e2e {

inline constexpr const char* kSettingsKey = "Software\\vorlane\\settings";
inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValue = "Zendry's Vorlane";
inline constexpr const char* kGreeting = "Welcome to Zendry's Vorlane";

struct Process {
  bool running() const { return ::WaitForSingleObject(handle.get(), 0) == WAIT_TIMEOUT; }
  // The exit code, STILL_ACTIVE when it still runs after `timeoutMs`.
  DWORD exitCode(DWORD timeoutMs) const {
    DWORD code = STILL_ACTIVE;
    ::WaitForSingleObject(handle.get(), timeoutMs);
    ::GetExitCodeProcess(handle.get(), &code);
    return code;
  }

  win32::UniqueKernelHandle handle;
  DWORD id = 0;
};

// Polls `condition`, serving this thread's messages, up to `timeoutMs`.
bool eventually(const std::function<bool()>& condition, DWORD timeoutMs);
std::optional<std::string> readFileText(const std::string& path);
bool writeFileText(const std::string& path, const std::string& text);
std::optional<std::string> readUserValue(const std::string& subkey, const std::string& name);
bool setUserValue(const std::string& subkey, const std::string& name, const std::string& value);
// Where the log lives when the program's own folder cannot be written.
std::string localDataFolder();
// The lines of the log at `logPath` when each is `sample` CR LF; -1 otherwise.
int samplesIn(const std::string& logPath, const std::string& sample);

// The visible children of `pid`'s visible windows with their texts.
std::vector<std::pair<HWND, std::string>> visibleTexts(DWORD pid);
// The child showing `text`, waited for up to `timeoutMs`; null when none came.
HWND waitForText(DWORD pid, const std::string& text, DWORD timeoutMs = 5000);
bool textGone(DWORD pid, const std::string& text, DWORD timeoutMs = 5000);
// Real input: a left click in the middle of `window`; a key, Alt held if `alt`.
void click(HWND window);
void pressKey(WORD virtualKey, bool alt = false);
// With VORLANE_SCREENSHOTS naming a folder, saves the top-level window of
// `window` there as `name`.png; false only when that failed.
bool saveScreenshot(HWND window, const std::string& name);

// Every distinct text `pid`'s windows showed while watched, in the order first
// seen: catches texts that stand for a moment only.
struct TextWatch {
  explicit TextWatch(DWORD watched) : pid(watched) {}
  // Reads the texts, `pollMs` apart, until `done` holds (then true) or
  // `timeoutMs` has passed.
  bool until(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs);
  // The first text seen that starts with `prefix`.
  std::optional<std::string> seen(const std::string& prefix) const;
  std::string all() const;

  DWORD pid;
  std::vector<std::string> history;
};

// A fresh folder holding copies of Vorlane.exe and logger.exe from beside
// this exe, with no settings, no Run entry and no log elsewhere at the start.
struct Stage {
  bool open(const std::string& stem);
  // Ends the programs and removes what they left; false when a program
  // outlived its end.
  bool close();
  void endPrograms() const;
  std::string path(const std::string& name) const { return folder + "\\" + name; }
  // Starts a program with its timers `timeScale` times faster (0: real
  // speed), seeing `memoryFigures` ("totalBytes availBytes") when given.
  Process start(const std::string& exeName, unsigned timeScale = 0,
                const std::string& memoryFigures = "") const;
  std::size_t loggersRunning() const;
  // The settings of a later start in `mode`, with `log` as log.dat.
  bool laterStart(const std::string& mode, const std::string& log) const {
    return setUserValue(kSettingsKey, "firstuse", "True") &&
           setUserValue(kSettingsKey, "mode", mode) && writeFileText(path("log.dat"), log);
  }

  std::string folder;
};

// A check's outcome, with what was seen when it failed.
using Check = std::function<void(bool ok, const std::string& what, const std::string& seen)>;
// Watches a later start until its first check cleared memory: in normal mode
// with the progress "Clearing Ram... <megabytes>MB" CR LF "N% done.", in
// stealth mode silently, its peak working set risen by the `megabytes` + 1
// blocks claimed. Then its logger, alone, writes `sample` lines to `logPath`.
void checkLaterStartClears(const Stage& stage, const Process& vorlane, const std::string& mode,
                           int megabytes, const std::string& sample, const std::string& logPath,
                           DWORD timeoutMs, const Check& check);

}  // namespace vorlane::e2e
