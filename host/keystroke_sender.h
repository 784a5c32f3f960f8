#pragma once

namespace vorlane {

// Sends a keystroke to whichever window is active, as if the user typed it,
// without waiting for it to be handled.
class KeystrokeSender {
 public:
  enum class Keystroke { kTab, kShiftTab };
  virtual ~KeystrokeSender() = default;
  virtual void send(Keystroke keystroke) = 0;
};

}  // namespace vorlane
