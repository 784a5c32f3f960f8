#include "controls/button/xp_button_accessible.h"

namespace vorlane {

AccessibleRole XpButtonAccessible::role() const {
  return button_.CheckBoxBehaviour() ? AccessibleRole::kCheckButton : AccessibleRole::kPushButton;
}

std::uint32_t XpButtonAccessible::states() const {
  using namespace accessible_state;
  // A checked button is heard checked rather than pressed.
  const bool checked = button_.CheckBoxBehaviour() && button_.Value();
  const bool pressed = !checked && button_.PaintedState() == ButtonState::kPressed;
  return (button_.Enabled() ? kFocusable : kUnavailable) | (button_.HasFocus() ? kFocused : 0) |
         (checked ? kChecked : 0) | (pressed ? kPressed : 0) |
         (site_.displayAsDefault() ? kDefault : 0);
}

std::string XpButtonAccessible::defaultAction() const {
  return !button_.CheckBoxBehaviour() ? "Press" : button_.Value() ? "Uncheck" : "Check";
}

}  // namespace vorlane
