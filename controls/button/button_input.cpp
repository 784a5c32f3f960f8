#include "controls/button/button_input.h"

#include "controls/button/button_errors.h"
#include "controls/button/xp_button.h"

namespace vorlane {

namespace {

enum : std::int16_t { kKeySpace = 32, kKeyLeft = 37, kKeyUp = 38, kKeyRight = 39, kKeyDown = 40 };
enum : std::int16_t { kLeftButton = 1, kRightButton = 2 };
// The hover poll's interval; Windows and Wine raise it to 10 ms.
constexpr unsigned kHoverPollMilliseconds = 3;

// Raises `event` if the host handles it; the handler may change the arguments.
template <typename Event, typename... Arguments>
void raise(const Event& event, Arguments&... arguments) {
  if (event) {
    event(arguments...);
  }
}

std::uint8_t asByte(std::int16_t value, const char* what) {
  if (value < 0 || value > 255) {
    throw ValueOverflow(what);
  }
  return static_cast<std::uint8_t>(value);
}

}  // namespace

ButtonInput::ButtonInput(VelkXPButton& button, ButtonSite& site)
    : button_(button),
      site_(site),
      overTimer_(
          site.timers().createTimer(kHoverPollMilliseconds, false, [this] { overTimerTick(); })) {}

void ButtonInput::onMouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
  raise(events_.MouseDown, button, shift, x, y);
  pressedButton_ = asByte(button, "MouseDown: Button outside 0 to 255");
  if (button != kRightButton) {
    button_.repaint(ButtonState::kPressed, false);
  }
}

void ButtonInput::onMouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
  raise(events_.MouseUp, button, shift, x, y);
  if (button != kRightButton) {
    button_.repaint(ButtonState::kNormal, false);
  }
}

void ButtonInput::click(bool force) {
  if (button_.props_.checkBoxBehaviour) {
    button_.props_.value = !button_.props_.value;
  }
  button_.repaint(ButtonState::kNormal, force);
  site_.refreshSurface();
  raise(events_.Click);
}

void ButtonInput::onClick() {
  if (pressedButton_ == kLeftButton && button_.Enabled()) {
    click(true);
  }
}

void ButtonInput::onDoubleClick() {
  if (pressedButton_ == kLeftButton) {
    onMouseDown(kLeftButton, 0, 0.0f, 0.0f);
    site_.captureMouse();
  }
}

void ButtonInput::onMouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
  raise(events_.MouseMove, button, shift, x, y);
  if (button >= kRightButton) {
    return;
  }
  if (!site_.isMouseInside()) {
    button_.repaint(ButtonState::kNormal, false);
    return;
  }
  if (button == 0 && !hovering_) {
    overTimer_->setEnabled(true);
    hovering_ = true;
    button_.repaint(ButtonState::kNormal, true);
    raise(events_.MouseOver);
  }
  if (button == kLeftButton) {
    // Dragged back over the button: pressed, drawn without the hover look.
    hovering_ = true;
    button_.repaint(ButtonState::kPressed, false);
    hovering_ = false;
  }
}

void ButtonInput::overTimerTick() {
  if (site_.isMouseInside()) {
    return;
  }
  overTimer_->setEnabled(false);
  hovering_ = false;
  button_.repaint(ButtonState::kNormal, true);
  raise(events_.MOUSEOUT);
}

void ButtonInput::onKeyDown(std::int16_t keyCode, std::int16_t shift) {
  raise(events_.KeyDown, keyCode, shift);
  lastKeyDown_ = asByte(keyCode, "KeyDown: KeyCode outside 0 to 255");
  switch (keyCode) {
    case kKeySpace:
      button_.repaint(ButtonState::kPressed, false);
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

void ButtonInput::onKeyUp(std::int16_t keyCode, std::int16_t shift) {
  raise(events_.KeyUp, keyCode, shift);
  if (lastKeyDown_ == kKeySpace && keyCode == kKeySpace) {
    click(false);
  }
}

void ButtonInput::onKeyPress(std::int16_t keyAscii) { raise(events_.KeyPress, keyAscii); }

void ButtonInput::onAccessKey() {
  pressedButton_ = kLeftButton;
  onClick();
}

void ButtonInput::onFocus(bool gained) {
  focused_ = gained;
  button_.repaint(button_.PaintedState(), true);
}

}  // namespace vorlane
