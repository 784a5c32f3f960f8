// Input on the push button: mouse, keys, access key, focus and the hover poll,
// turned into looks and events.

#include <cctype>
#include <stdexcept>

#include "controls/button/xp_button.h"

namespace vorlane {

namespace {

constexpr std::int16_t kKeySpace = 32;
constexpr std::int16_t kKeyLeft = 37;
constexpr std::int16_t kKeyUp = 38;
constexpr std::int16_t kKeyRight = 39;
constexpr std::int16_t kKeyDown = 40;

// Button and key codes are kept in a byte; only a host handler could hand back
// something larger.
std::uint8_t asByte(std::int16_t value, const char* what) {
  if (value < 0 || value > 255) {
    throw std::overflow_error(what);
  }
  return static_cast<std::uint8_t>(value);
}

}  // namespace

void VelkXPButton::onMouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
  if (events_.MouseDown) {
    events_.MouseDown(button, shift, x, y);
  }
  PressedButton_ = asByte(button, "MouseDown: Button outside 0 to 255");
  if (button != 2) {
    Repaint(StatePressed, false);
  }
}

void VelkXPButton::onMouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
  if (events_.MouseUp) {
    events_.MouseUp(button, shift, x, y);
  }
  if (button != 2) {
    Repaint(StateNormal, false);
  }
}

void VelkXPButton::ClickHandling() {
  if (PressedButton_ != 1 || !Enabled_) {
    return;
  }
  if (CheckBoxBehaviour_) {
    Value_ = !Value_;
  }
  Repaint(StateNormal, true);
  site_.refreshSurface();
  if (events_.Click) {
    events_.Click();
  }
}

void VelkXPButton::onClick() { ClickHandling(); }

void VelkXPButton::onDoubleClick() {
  if (PressedButton_ != 1) {
    return;
  }
  onMouseDown(1, 0, 0.0f, 0.0f);
  site_.captureMouse();
}

void VelkXPButton::onMouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
  if (events_.MouseMove) {
    events_.MouseMove(button, shift, x, y);
  }
  if (button >= 2) {
    return;
  }
  if (!IsMouseInside()) {
    Repaint(StateNormal, false);
    return;
  }
  if (button == 0 && !Hovering_) {
    OverTimer_->setEnabled(true);
    Hovering_ = true;
    Repaint(StateNormal, true);
    if (events_.MouseOver) {
      events_.MouseOver();
    }
  }
  if (button == 1) {
    Hovering_ = true;
    Repaint(StatePressed, false);
    Hovering_ = false;
  }
}

void VelkXPButton::OverTimerTick() {
  if (IsMouseInside()) {
    return;
  }
  OverTimer_->setEnabled(false);
  Hovering_ = false;
  Repaint(StateNormal, true);
  if (events_.MOUSEOUT) {
    events_.MOUSEOUT();
  }
}

void VelkXPButton::onKeyDown(std::int16_t keyCode, std::int16_t shift) {
  if (events_.KeyDown) {
    events_.KeyDown(keyCode, shift);
  }
  LastKeyDown_ = asByte(keyCode, "KeyDown: KeyCode outside 0 to 255");
  switch (keyCode) {
    case kKeySpace:
      Repaint(StatePressed, false);
      break;
    case kKeyLeft:
    case kKeyUp:
      site_.sendKeystroke(KeystrokeSender::Keystroke::kShiftTab);
      break;
    case kKeyRight:
    case kKeyDown:
      site_.sendKeystroke(KeystrokeSender::Keystroke::kTab);
      break;
    default:
      break;
  }
}

void VelkXPButton::onKeyUp(std::int16_t keyCode, std::int16_t shift) {
  if (events_.KeyUp) {
    events_.KeyUp(keyCode, shift);
  }
  if (LastKeyDown_ == kKeySpace && keyCode == kKeySpace) {
    if (CheckBoxBehaviour_) {
      Value_ = !Value_;
    }
    Repaint(StateNormal, false);
    site_.refreshSurface();
    if (events_.Click) {
      events_.Click();
    }
  }
}

void VelkXPButton::onKeyPress(std::int16_t keyAscii) {
  if (events_.KeyPress) {
    events_.KeyPress(keyAscii);
  }
}

void VelkXPButton::onAccessKey() {
  PressedButton_ = 1;
  ClickHandling();
}

void VelkXPButton::onFocusGained() {
  HasFocus_ = true;
  Repaint(PaintedState_, true);
}

void VelkXPButton::onFocusLost() {
  HasFocus_ = false;
  Repaint(PaintedState_, true);
}

void VelkXPButton::UpdateAccessKey() {
  AccessKey_ = '\0';
  const std::string& caption = Caption_;
  auto lower = [](char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  };
  // Only the first two ampersands are looked at: "&x" gives x; a leading "&&"
  // is a literal ampersand, after which the next single "&x" gives x.
  if (caption.size() > 1) {
    const auto p = caption.find('&');
    if (p != std::string::npos && p + 1 < caption.size()) {
      if (caption[p + 1] != '&') {
        AccessKey_ = lower(caption[p + 1]);
      } else {
        const auto q = caption.find('&', p + 2);
        if (q != std::string::npos && q + 1 < caption.size() && caption[q + 1] != '&') {
          AccessKey_ = lower(caption[q + 1]);
        }
      }
    }
  }
  site_.setAccessKey(AccessKey_);
}

}  // namespace vorlane
