#pragma once

#include "host/keystroke_sender.h"

namespace vorlane::win32 {

// Types the keystroke into the active window with SendInput.
class Win32KeystrokeSender final : public KeystrokeSender {
 public:
  void send(Keystroke keystroke) override;
};

}  // namespace vorlane::win32
