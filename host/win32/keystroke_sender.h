#pragma once

#include <windows.h>

#include "host/keystroke_sender.h"

namespace vorlane::win32 {

// With SendInput: Shift down, Tab down, Tab up, Shift up; Tab alone is the
// middle two.
class Win32KeystrokeSender final : public KeystrokeSender {
 public:
  void send(Keystroke keystroke) override {
    constexpr WORD kKeys[] = {VK_SHIFT, VK_TAB, VK_TAB, VK_SHIFT};
    INPUT inputs[4] = {};
    for (int i = 0; i < 4; ++i) {
      inputs[i].type = INPUT_KEYBOARD;
      inputs[i].ki.wVk = kKeys[i];
      inputs[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    const bool shifted = keystroke == Keystroke::kShiftTab;
    ::SendInput(shifted ? 4 : 2, shifted ? inputs : inputs + 1, sizeof(INPUT));
  }
};

}  // namespace vorlane::win32
