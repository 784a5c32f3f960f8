#pragma once

#include "controls/button/button_site.h"
#include "controls/button/xp_button.h"
#include "host/accessible.h"

namespace vorlane {

// The push button as a screen reader hears it: a push button (a check button
// in check-box mode) named by its caption, with its access key, its states and
// a default action that clicks it as its access key does (so a disabled button
// ignores it). Reads only the button's public state.
class XpButtonAccessible final : public AccessibleProvider {
 public:
  XpButtonAccessible(VelkXPButton& button, const ButtonSite& site) : button_(button), site_(site) {}

  AccessibleRole role() const override {
    return button_.CheckBoxBehaviour() ? AccessibleRole::kCheckButton : AccessibleRole::kPushButton;
  }
  std::string name() const override { return textWithoutAccessMarks(button_.Caption()); }
  std::string keyboardShortcut() const override { return accessKeyShortcut(button_.AccessKey()); }
  std::uint32_t states() const override {
    using namespace accessible_state;
    // A checked button is heard checked rather than pressed.
    const bool checked = button_.CheckBoxBehaviour() && button_.Value();
    const bool pressed = !checked && button_.PaintedState() == ButtonState::kPressed;
    return (button_.Enabled() ? kFocusable : kUnavailable) | (button_.HasFocus() ? kFocused : 0) |
           (checked ? kChecked : 0) | (pressed ? kPressed : 0) |
           (site_.displayAsDefault() ? kDefault : 0);
  }
  std::string defaultAction() const override {
    return !button_.CheckBoxBehaviour() ? "Press" : button_.Value() ? "Uncheck" : "Check";
  }
  void doDefaultAction() override { button_.input().onAccessKey(); }

 private:
  VelkXPButton& button_;
  const ButtonSite& site_;
};

}  // namespace vorlane
