#pragma once

// What an end-to-end scenario does to the real programs: start them, find their
// windows, read the texts screen readers read, click with real mouse input,
// take screenshots, and look at the registry.

#include <windows.h>

#include <optional>
#include <string>
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

Process startProgram(const std::string& exePath);

// A fresh, empty folder under the temporary folder.
std::string makeFreshFolder(const std::string& stem);
bool copyFileTo(const std::string& from, const std::string& to);
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

// Real mouse input: move to the centre of `window` and click the left button.
void click(HWND window);
void clickAt(POINT screenPoint);
// Real keyboard input: a key press with optional Alt.
void pressKey(WORD virtualKey, bool alt = false);

// Saves the window, with its children, as it is on the screen.
bool screenshot(HWND window, const std::string& pngPath);

std::optional<std::string> readUserValue(const std::string& subkey, const std::string& name);
void deleteUserKey(const std::string& subkey);
void deleteUserValue(const std::string& subkey, const std::string& name);

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
