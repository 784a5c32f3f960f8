#pragma once

// What an end-to-end scenario does to the real programs: start them, find their
// windows, read the texts screen readers read, click with real mouse input,
// take screenshots, and look at the registry. Paths are UTF-8, so a folder of
// any name serves.

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/win32/handles.h"

namespace vorlane::e2e {

class Process {
 public:
  Process() = default;
  Process(win32::UniqueKernelHandle process, DWORD id) : process_(std::move(process)), id_(id) {}
  DWORD id() const { return id_; }
  bool running() const;
  // The exit code, or nothing if it is still running after `timeoutMs`.
  std::optional<DWORD> waitForExit(DWORD timeoutMs) const;
  void terminate() const;

 private:
  win32::UniqueKernelHandle process_;
  DWORD id_ = 0;
};

// Variables added to (or, with an empty value, removed from) the environment
// a started program inherits.
using Environment = std::vector<std::pair<std::string, std::string>>;

Process startProgram(const std::string& exePath, const Environment& environment = {});

// Running processes whose image lies directly in `folder`, optionally only
// those named `exeName` (found with a Toolhelp snapshot, matched by full path).
std::vector<DWORD> processesIn(const std::string& folder, const std::string& exeName = "");
// Ends every process whose image lies in `folder`, by its process id, and
// waits until each is gone.
void terminateProcessesIn(const std::string& folder);
// The peak working set of a process in bytes, or nothing when it cannot be read.
std::optional<std::size_t> peakWorkingSet(DWORD pid);

// A fresh, empty folder under the temporary folder.
std::string makeFreshFolder(const std::string& stem);
bool copyFileTo(const std::string& from, const std::string& to);
// Deletes the files of `folder` and then the folder.
void removeFolder(const std::string& folder);
bool fileExists(const std::string& path);
std::optional<std::string> readFileText(const std::string& path);
bool writeFileText(const std::string& path, const std::string& text);
// The folder of this test exe, with a trailing backslash.
std::string thisExeFolder();

// Visible top-level windows of a process (or of every process when pid is 0).
std::vector<HWND> visibleTopWindows(DWORD pid);
// Waits until a visible top-level window of `pid` shows a child window whose
// text equals `text`; returns that child.
HWND waitForText(DWORD pid, const std::string& text, DWORD timeoutMs);
// True when no visible window of `pid` shows `text` within `timeoutMs`.
bool textGone(DWORD pid, const std::string& text, DWORD timeoutMs);
// The texts of every visible child window of `pid`'s visible windows (read
// with WM_GETTEXT, as a screen reader does).
std::vector<std::string> visibleTexts(DWORD pid);
std::string windowText(HWND window);
// A visible child of a visible window of `pid` whose window class is `className`.
HWND findChildOfClass(DWORD pid, const std::string& className);
// Waits until a visible child of `pid` shows a text that `accept` takes;
// returns that child.
HWND waitForTextWhere(DWORD pid, const std::function<bool(const std::string&)>& accept,
                      DWORD timeoutMs);
HWND topLevelOf(HWND window);
// The window with the keyboard focus in the thread of `window`, as another
// program sees it.
HWND keyboardFocus(HWND window);

// Every distinct text the visible windows of one process showed while it was
// watched, in the order first seen: catches texts that stand for a moment only.
class TextWatch {
 public:
  explicit TextWatch(DWORD pid) : pid_(pid) {}
  // Reads the texts again and again, with no pause when `pollMs` is 0, until
  // `done` holds or `timeoutMs` has passed; true when `done` held.
  bool watchUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs = 0);
  // Watches for `milliseconds` whatever happens.
  void watchFor(DWORD milliseconds, DWORD pollMs = 0);
  bool seen(const std::string& text) const;
  bool seenStartingWith(const std::string& prefix) const;
  std::optional<std::string> firstStartingWith(const std::string& prefix) const;
  const std::vector<std::string>& history() const { return history_; }

 private:
  void sample();

  DWORD pid_;
  std::vector<std::string> history_;
};

// Real mouse input: move to the centre of `window` and click the left button.
void click(HWND window);
void clickAt(POINT screenPoint);
// Real keyboard input: a key press with optional Alt. A scenario that types
// waits first until the window meant to get the key has the focus.
void pressKey(WORD virtualKey, bool alt = false);

// Saves the window, with its children, as the screen shows it (read from the
// screen, so that another program's window is seen as a person sees it). False
// when the screen shows nothing there (Wine's null display driver).
bool screenshot(HWND window, const std::string& pngPath);
// With VORLANE_SCREENSHOTS naming a folder, saves the top-level window of
// `window` there as `name`.png, after `settleMs` for its program to paint;
// false only when a save was asked for and failed.
bool saveScreenshot(HWND window, const std::string& name, DWORD settleMs = 250);

std::optional<std::string> readUserValue(const std::string& subkey, const std::string& name);
bool setUserValue(const std::string& subkey, const std::string& name, const std::string& value);
void deleteUserKey(const std::string& subkey);
void deleteUserValue(const std::string& subkey, const std::string& name);

// Under Wine: the Unix path of a Windows path, and a Unix command run to its
// end (true when it exited with 0). Nothing / false elsewhere.
std::optional<std::string> unixPath(const std::string& path);
bool runUnixCommand(const std::vector<std::string>& arguments);

// Polls `condition` while serving this thread's messages, up to `timeoutMs`.
template <typename Condition>
bool eventually(Condition condition, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (condition()) {
      return true;
    }
    if (::GetTickCount() - start > timeoutMs) {
      return false;
    }
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::DispatchMessageA(&msg);
    }
    ::Sleep(20);
  }
}

}  // namespace vorlane::e2e
