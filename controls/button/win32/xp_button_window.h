#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "controls/button/button_site.h"
#include "controls/button/xp_button.h"
#include "controls/button/xp_button_accessible.h"
#include "host/canvas/win32/gdi_canvas.h"
#include "host/message_pump.h"
#include "host/property_bag.h"
#include "host/timer.h"
#include "host/win32/container.h"
#include "host/win32/dpi.h"
#include "host/win32/handles.h"
#include "host/win32/mouse.h"

namespace vorlane::win32 {

// How a push button starts; every field has its default.
struct XpButtonOptions {
  // The instance's name, the caption of a fresh button.
  std::string displayName = "VelkXPButton1";
  // The stored properties; none gives a fresh button with the defaults of a new control.
  const PropertyBag* properties = nullptr;
  bool isDefault = false;
  // Resolves a stored picture reference (for example a resource name).
  std::function<PicturePtr(const std::string&)> pictures;
};

// The push button as a control of the forms toolkit, a child window of class
// "VelkXPButton": it hosts a VelkXPButton, feeds it the window's input and
// paints it through the window's paint function.
class XpButtonWindow final : public Control, public ButtonSite {
 public:
  static constexpr const char* kClassName = "VelkXPButton";

  XpButtonWindow(Container& container, const TwipsRect& bounds, TimerService& timers,
                 MessagePump& pump, KeystrokeSender& keystrokes,
                 const XpButtonOptions& options = {});
  ~XpButtonWindow() override;

  HWND hwnd() const { return handle(); }
  VelkXPButton& button() { return button_; }
  ButtonEvents& events() { return button_.events(); }
  // The form passes on Alt+key (and plain keys when it wants them): true when
  // `key` is this button's access key and the button took it.
  bool handleAccessKey(char key);
  // Gives an access key (Alt+key, as the form's message loop sees it) to the
  // first enabled, visible push button inside `form` that has it. True when a
  // button took it.
  static bool dispatchAccessKey(HWND form, char key);

  // ButtonSite.
  Rect clientRect() const override;
  void redrawNow() override;
  void refreshSurface() override { ::UpdateWindow(handle()); }
  void setWindowRegion(const RegionShape& shape) override;
  void setSurfaceEnabled(bool enabled) override {
    ::EnableWindow(handle(), enabled ? TRUE : FALSE);
  }
  void setWindowText(const std::string& text) override;
  const TextMeasurer& textMeasurer() const override { return measurer_; }
  std::int32_t dotsPerInch() const override { return Dpi::screen().x; }
  std::string displayName() const override { return options_.displayName; }
  bool displayAsDefault() const override { return options_.isDefault; }
  // No form of the program saves the button, so no change needs telling.
  void propertyChanged(std::string_view) override {}
  PicturePtr resolvePicture(const std::string& reference) const override {
    return options_.pictures ? options_.pictures(reference) : nullptr;
  }
  Color systemColor(std::int32_t index) const override { return ::GetSysColor(index); }
  ParentColors parentColors() const override;
  bool isMouseInside() const override;
  // Only a double click asks, so the window exists.
  void captureMouse() override { ::SetCapture(handle()); }
  void sendKeystroke(KeystrokeSender::Keystroke keystroke) override { keystrokes_.send(keystroke); }
  TimerService& timers() override { return timers_; }
  std::unique_ptr<Canvas> createBackgroundCanvas(std::int32_t width, std::int32_t height) override;
  void captureBehind(Canvas* background, std::int32_t width, std::int32_t height) override;

 private:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void paint(GdiCanvas& canvas) override { button_.paint(canvas); }
  // A press or release of the left (1), right (2) or middle (4) button.
  void mouseButton(UINT message, LPARAM lParam);

  XpButtonOptions options_;
  TimerService& timers_;
  MessagePump& pump_;
  KeystrokeSender& keystrokes_;
  GdiTextMeasurer measurer_;
  bool ready_ = false;
  ClickTracker clicks_{ClickTracker::DoubleClick::kEndsNoClick};
  // The destructor destroys the window first, so that its last messages
  // still reach the button.
  VelkXPButton button_;
  XpButtonAccessible accessible_{button_, *this};
};

}  // namespace vorlane::win32
