#pragma once

#include <windows.h>

#include <string>

#include "host/message_box.h"

namespace vorlane::win32 {

// MessageBoxA with the stop icon and OK, owned by the active window so that it
// is modal to it.
class Win32ModalMessageBox final : public ModalMessageBox {
 public:
  void showStop(const std::string& text, const std::string& title) override {
    ::MessageBoxA(::GetActiveWindow(), text.c_str(), title.c_str(), MB_ICONSTOP | MB_OK);
  }
};

// Runs a program from its WinMain and gives its exit code. A window or timer
// that cannot be made would leave the program sitting unseen, holding its
// single-copy lock: its last word is a stop box titled `title` naming what
// could not be made, with no owner (there may be no window), and it ends with
// 1. Any other failure ends it with 1 quietly, not with a crash report.
int runProgram(int (*program)(), const std::string& title);

}  // namespace vorlane::win32
