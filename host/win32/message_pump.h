#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "host/message_pump.h"

namespace vorlane::win32 {

// Keyboard input for a form goes through IsDialogMessage, so Tab, the arrow
// keys and access keys move between its controls. A failure parked by a window
// or timer procedure is thrown again here, past DispatchMessage.
class Win32MessagePump final : public MessagePump, public ProgramLifetime {
 public:
  Win32MessagePump();

  void pumpOnce() override;
  // Decides by the performance counter, without a window-system call.
  bool pumpIfDue() override;
  // A WM_QUIT seen by a nested wait ends it and is posted again, so that every
  // enclosing wait and the top-level loop see it too.
  void waitUntil(const std::function<bool()>& done) override;
  // Destroys every form's window and posts WM_QUIT (0).
  void endProgram() override;
  bool ending() const override { return ending_; }

  // WinMain's loop: runs until the program ends, returns its exit code.
  int run() {
    waitUntil([] { return false; });
    return exitCode_;
  }
  // Alt+key on a form goes here first (the self-drawn buttons' access keys);
  // true when the key was taken.
  void setAccessKeyHandler(std::function<bool(HWND form, char key)> handler) {
    accessKeys_ = std::move(handler);
  }

 private:
  void dispatch(MSG& message);
  void quitSeen(int exitCode);
  std::uint64_t microseconds() const;

  std::int64_t counterFrequency_ = 0;
  LoopSchedule schedule_;

  std::function<bool(HWND form, char key)> accessKeys_;
  bool ending_ = false;
  int exitCode_ = 0;
};

}  // namespace vorlane::win32
