#pragma once

#include "host/keystroke_sender.h"

namespace vorlane::win32 {

// With SendInput.
class Win32KeystrokeSender final : public KeystrokeSender {
 public:
  void send(Keystroke keystroke) override;
};

}  // namespace vorlane::win32
