// What the golden pictures cannot show: which state a paint shows, and that a
// paint changes nothing.

#include <gtest/gtest.h>

#include "controls/button/tests/button_fixture.h"

namespace vorlane::testing {
namespace {

using LooksTest = ButtonTest;

TEST_F(LooksTest, TypesWithoutALookShowOnlyTheFace) {
  for (const int type : {0, 10, 15, -1}) {
    button->setButtonType(ButtonType{type});
    for (int y = 0; y < H(); ++y) {
      for (int x = 0; x < W(); ++x) {
        ASSERT_EQ(at(x, y), button->palette().face) << "type " << type;
      }
    }
  }
}

TEST_F(LooksTest, CheckedButtonStaysPressedWhatever) {
  button->setCheckBoxBehaviour(true);
  button->setValue(true);
  EXPECT_EQ(button->PaintedState(), ButtonState::kPressed);
  site->mouseInside = true;
  button->input().onMouseMove(0, 0, 5, 5);
  button->input().onMouseUp(1, 0, 5, 5);
  EXPECT_EQ(button->PaintedState(), ButtonState::kPressed);
}

// Type 14's default caption is bold, but the button's font stays as set, and
// painting neither notifies nor repaints again.
TEST_F(LooksTest, PaintingChangesNothing) {
  site->isDefault = true;
  button->setColorScheme(ColorScheme::kCustom);
  button->setBackOver(0x00FFFF);
  button->setButtonType(ButtonType::kGradient);
  site->mouseInside = true;
  button->input().onMouseMove(0, 0, 5, 5);
  PropertyBag before;
  button->WriteProperties(before);
  const Palette palette = button->palette();
  const ButtonLayout layout = button->layout();
  site->log.clear();
  redraw();
  EXPECT_EQ(site->log, (std::vector<std::string>{"draw"}));
  ASSERT_FALSE(site->canvas().textCalls().empty());
  EXPECT_TRUE(site->canvas().textCalls().back().font.bold);
  PropertyBag after;
  button->WriteProperties(after);
  EXPECT_EQ(after.values(), before.values());
  EXPECT_EQ(button->palette().face, palette.face);
  EXPECT_EQ(button->layout().caption, layout.caption);
  EXPECT_TRUE(button->PaintingAllowed());
}

}  // namespace
}  // namespace vorlane::testing
