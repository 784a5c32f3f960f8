#include "controls/button/xp_button_accessible.h"

namespace vorlane {

AccessibleRole XpButtonAccessible::role() const {
  return button_.CheckBoxBehaviour() ? AccessibleRole::kCheckButton : AccessibleRole::kPushButton;
}

std::uint32_t XpButtonAccessible::states() const {
  using namespace accessible_state;
  std::uint32_t states = 0;
  if (button_.Enabled()) {
    states |= kFocusable;
  } else {
    states |= kUnavailable;
  }
  if (button_.HasFocus()) {
    states |= kFocused;
  }
  const bool checked = button_.CheckBoxBehaviour() && button_.Value();
  if (checked) {
    states |= kChecked;
  } else if (button_.PaintedState() == ButtonState::kPressed) {
    states |= kPressed;
  }
  if (site_.displayAsDefault()) {
    states |= kDefault;
  }
  return states;
}

std::string XpButtonAccessible::defaultAction() const {
  if (!button_.CheckBoxBehaviour()) {
    return "Press";
  }
  return button_.Value() ? "Uncheck" : "Check";
}

}  // namespace vorlane
