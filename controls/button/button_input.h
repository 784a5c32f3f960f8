#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "controls/button/button_model.h"
#include "controls/button/button_site.h"

namespace vorlane {

class VelkXPButton;

// The events the button raises to its host. Every argument is passed by
// reference: a handler may change it, and the button carries on with the value
// the handler left.
struct ButtonEvents {
  using MouseHandler =
      std::function<void(std::int16_t& Button, std::int16_t& Shift, float& x, float& y)>;
  using KeyHandler = std::function<void(std::int16_t& KeyCode, std::int16_t& Shift)>;
  std::function<void()> Click;
  MouseHandler MouseDown;
  MouseHandler MouseMove;
  MouseHandler MouseUp;
  std::function<void(std::int16_t& KeyAscii)> KeyPress;
  KeyHandler KeyDown;
  KeyHandler KeyUp;
  std::function<void()> MouseOver;
  std::function<void()> MOUSEOUT;
};

// Turns the surface's input into state changes and events: mouse, keys, the
// access key, focus, and the hover poll that notices the mouse has left.
class ButtonInput {
 public:
  ButtonInput(VelkXPButton& button, ButtonSite& site);

  ButtonEvents& events() { return events_; }
  bool hovering() const { return hovering_; }
  bool focused() const { return focused_; }
  void stop() { overTimer_->setEnabled(false); }

  // Button and KeyCode are kept in a byte: a host handler that hands back a
  // value outside 0 to 255 makes these throw ValueOverflow.
  void onMouseDown(std::int16_t button, std::int16_t shift, float x, float y);
  void onMouseMove(std::int16_t button, std::int16_t shift, float x, float y);
  void onMouseUp(std::int16_t button, std::int16_t shift, float x, float y);
  void onClick();
  void onDoubleClick();
  void onKeyDown(std::int16_t keyCode, std::int16_t shift);
  void onKeyUp(std::int16_t keyCode, std::int16_t shift);
  void onKeyPress(std::int16_t keyAscii);
  void onAccessKey();
  void onFocus(bool gained);

 private:
  void overTimerTick();
  void click(bool force);

  VelkXPButton& button_;
  ButtonSite& site_;
  ButtonEvents events_;
  std::uint8_t pressedButton_ = 0;
  std::uint8_t lastKeyDown_ = 0;
  bool hovering_ = false;
  bool focused_ = false;
  std::unique_ptr<Timer> overTimer_;
};

}  // namespace vorlane
