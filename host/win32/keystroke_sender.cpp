#include "host/win32/keystroke_sender.h"

#include <windows.h>

#include <vector>

namespace vorlane::win32 {

namespace {

INPUT key(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

}  // namespace

void Win32KeystrokeSender::send(Keystroke keystroke) {
  std::vector<INPUT> inputs;
  const bool shifted = keystroke == Keystroke::kShiftTab;
  if (shifted) {
    inputs.push_back(key(VK_SHIFT, false));
  }
  inputs.push_back(key(VK_TAB, false));
  inputs.push_back(key(VK_TAB, true));
  if (shifted) {
    inputs.push_back(key(VK_SHIFT, true));
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace vorlane::win32
