#pragma once

// What the end-to-end scenarios and the x86 smoke driver do to the real
// programs: start them from a fresh folder, find their windows by the texts
// screen readers read, give them real input, and read the files and the
// registry they leave. Paths are UTF-8, so a folder of any name serves.

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/win32/handles.h"

namespace vorlane::e2e {

inline constexpr const char* kSettingsKey = "Software\\vorlane\\settings";
inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValue = "Zendry's Vorlane";
inline constexpr const char* kGreeting = "Welcome to Zendry's Vorlane";
inline constexpr const char* kClearingPrefix = "Clearing Ram... ";

struct Process {
  bool running() const { return ::WaitForSingleObject(handle.get(), 0) == WAIT_TIMEOUT; }
  // The exit code, or nothing if it is still running after `timeoutMs`.
  std::optional<DWORD> waitForExit(DWORD timeoutMs) const;

  win32::UniqueKernelHandle handle;
  DWORD id = 0;
};

// Polls `condition` while serving this thread's messages, up to `timeoutMs`.
bool eventually(const std::function<bool()>& condition, DWORD timeoutMs);
std::optional<std::string> readFileText(const std::string& path);
bool writeFileText(const std::string& path, const std::string& text);
std::optional<std::string> readUserValue(const std::string& subkey, const std::string& name);
bool setUserValue(const std::string& subkey, const std::string& name, const std::string& value);
std::vector<HWND> visibleTopWindows(DWORD pid);
// Vorlane's folder in the local application data, where the log lives when
// the program's own folder cannot be written.
std::string localDataFolder();
// The lines of the log at `logPath` when each is `sample` CR LF; -1 otherwise.
int samplesIn(const std::string& logPath, const std::string& sample);

// The visible child of a visible window of `pid` that shows `text`, waited
// for up to `timeoutMs`; null when none came.
HWND waitForText(DWORD pid, const std::string& text, DWORD timeoutMs = 5000);
bool textGone(DWORD pid, const std::string& text, DWORD timeoutMs = 5000);
// Real input: a left click in the middle of `window`; a key, Alt held if `alt`.
void click(HWND window);
void pressKey(WORD virtualKey, bool alt = false);
// With VORLANE_SCREENSHOTS naming a folder, saves the top-level window of
// `window` there as `name`.png; false only when that failed.
bool saveScreenshot(HWND window, const std::string& name);

// Every distinct text the windows of one process showed while it was watched,
// in the order first seen: catches texts that stand for a moment only.
class TextWatch {
 public:
  explicit TextWatch(DWORD pid) : pid_(pid) {}
  // Reads the texts, `pollMs` apart, until `done` holds (then true) or
  // `timeoutMs` has passed.
  bool watchUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs = 0);
  // The first text seen that starts with `prefix`.
  std::optional<std::string> seen(const std::string& prefix) const;
  const std::vector<std::string>& history() const { return history_; }

 private:
  DWORD pid_;
  std::vector<std::string> history_;
};

// A fresh folder holding copies of Vorlane.exe and logger.exe from beside
// this exe, with no settings, no Run entry and no log elsewhere at the start.
class Stage {
 public:
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
  bool laterStart(const std::string& mode, const std::string& log) const;

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
