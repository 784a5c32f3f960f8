// The button as a screen reader hears it, read from the model in each state.

#include <functional>

#include "controls/button/tests/button_fixture.h"
#include "controls/button/xp_button_accessible.h"

namespace vorlane::testing {
namespace {

using namespace accessible_state;

class ButtonAccessibleTest : public ButtonTest {};

TEST_F(ButtonAccessibleTest, RoleStatesAndActionInEachState) {
  const struct {
    const char* what;
    std::function<void(VelkXPButton&, FakeButtonSite&)> make;
    AccessibleRole role;
    std::uint32_t states;
    const char* action;
  } cases[] = {
      {"fresh", [](VelkXPButton&, FakeButtonSite&) {}, AccessibleRole::kPushButton, kFocusable,
       "Press"},
      {"focused default",
       [](VelkXPButton& b, FakeButtonSite& s) {
         s.isDefault = true;
         b.input().onFocus(true);
       },
       AccessibleRole::kPushButton, kFocusable | kFocused | kDefault, "Press"},
      {"Space held", [](VelkXPButton& b, FakeButtonSite&) { b.input().onKeyDown(32, 0); },
       AccessibleRole::kPushButton, kFocusable | kPressed, "Press"},
      {"disabled", [](VelkXPButton& b, FakeButtonSite&) { b.setEnabled(false); },
       AccessibleRole::kPushButton, kUnavailable, "Press"},
      {"check mode", [](VelkXPButton& b, FakeButtonSite&) { b.setCheckBoxBehaviour(true); },
       AccessibleRole::kCheckButton, kFocusable, "Check"},
      {"checked: drawn pressed, heard checked",
       [](VelkXPButton& b, FakeButtonSite&) {
         b.setCheckBoxBehaviour(true);
         b.setValue(true);
       },
       AccessibleRole::kCheckButton, kFocusable | kChecked, "Uncheck"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    create(75, 23);
    c.make(*button, *site);
    const XpButtonAccessible heard(*button, *site);
    EXPECT_EQ(heard.role(), c.role);
    EXPECT_EQ(heard.states(), c.states);
    EXPECT_EQ(heard.defaultAction(), c.action);
  }
}

TEST_F(ButtonAccessibleTest, DefaultActionClicksOnlyWhileEnabled) {
  int clicks = 0;
  button->events().Click = [&] { ++clicks; };
  XpButtonAccessible heard(*button, *site);
  heard.doDefaultAction();
  button->setEnabled(false);
  heard.doDefaultAction();
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace vorlane::testing
