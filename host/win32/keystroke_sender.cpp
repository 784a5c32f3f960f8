#include "host/win32/keystroke_sender.h"

#include <windows.h>

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
  INPUT inputs[] = {key(VK_SHIFT, false), key(VK_TAB, false), key(VK_TAB, true),
                    key(VK_SHIFT, true)};
  // Tab alone is the middle two.
  const bool shifted = keystroke == Keystroke::kShiftTab;
  ::SendInput(shifted ? 4 : 2, shifted ? inputs : inputs + 1, sizeof(INPUT));
}

}  // namespace vorlane::win32
