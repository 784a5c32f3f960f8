#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "controls/button/button_model.h"
#include "host/canvas/canvas.h"
#include "host/canvas/region_shape.h"
#include "host/canvas/text.h"
#include "host/keystroke_sender.h"
#include "host/timer.h"

namespace vorlane {

// What the push button takes from the window that carries it and from the form
// that hosts it. The painter takes nothing from here: everything it reads is
// gathered before a paint starts.
class ButtonSite {
 public:
  virtual ~ButtonSite() = default;

  // The surface: client area in pixels (origin top-left), drawing, outline,
  // enabled flag, text (the caption, for screen readers), text measures.
  virtual Rect clientRect() const = 0;
  // Draws the button onto its surface now: ends in VelkXPButton::paint.
  virtual void redrawNow() = 0;
  // Brings what has been drawn to the screen at once.
  virtual void refreshSurface() = 0;
  // Gives the outline to the window; the window owns it from then on.
  virtual void setWindowRegion(const RegionShape& shape) = 0;
  virtual void setSurfaceEnabled(bool enabled) = 0;
  virtual void setWindowText(const std::string& text) = 0;
  virtual const TextMeasurer& textMeasurer() const = 0;
  virtual std::int32_t dotsPerInch() const = 0;  // above 0

  // The container.
  virtual std::string displayName() const = 0;
  // The ambient display-as-default flag: true while this is the form's default button.
  virtual bool displayAsDefault() const = 0;
  virtual void propertyChanged(std::string_view property) = 0;
  // The picture a property bag refers to by `reference`, or none.
  virtual PicturePtr resolvePicture(const std::string& reference) const = 0;

  // The system: colours (as SystemColors), the mouse, keystrokes, timers.
  virtual Color systemColor(std::int32_t index) const = 0;
  virtual ParentColors parentColors() const = 0;
  // Whether the window under the cursor is the button's own window.
  virtual bool isMouseInside() const = 0;
  virtual void captureMouse() = 0;
  virtual void sendKeystroke(KeystrokeSender::Keystroke keystroke) = 0;
  virtual TimerService& timers() = 0;

  // An off-screen surface for what lies behind the button.
  virtual std::unique_ptr<Canvas> createBackgroundCanvas(std::int32_t width,
                                                         std::int32_t height) = 0;
  // Uncovers the parent (the button's height goes to 0), lets the message loop
  // run once so the parent repaints, copies width by height pixels of the parent
  // at the button's position into `background`, and restores the height.
  virtual void captureBehind(Canvas* background, std::int32_t width, std::int32_t height) = 0;
};

}  // namespace vorlane
