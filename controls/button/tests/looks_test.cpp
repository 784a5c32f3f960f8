#include <gtest/gtest.h>

#include <vector>

#include "controls/button/color_math.h"
#include "controls/button/tests/button_fixture.h"

namespace vorlane::testing {
namespace {

using LooksTest = ButtonTest;

void hover(VelkXPButton& button, FakeButtonSite& site) {
  site.mouseInside = true;
  button.onMouseMove(0, 0, 5, 5);
}

TEST_F(LooksTest, Type3NormalIsADownwardGradientWithAFrame) {
  ASSERT_EQ(button->ButtonType(), 3);
  ASSERT_EQ(H(), 23);
  const Color P = button->colors().PressedFaceColor;
  // Amounts of rows 1 to 23 for a 23-pixel-high button: step 25/23 in single
  // precision, rounded halves to even.
  const std::vector<int> amounts = {-1,  -2,  -3,  -4,  -5,  -7,  -8,  -9,  -10, -11, -12, -13,
                                    -14, -15, -16, -17, -18, -20, -21, -22, -23, -24, -25};
  for (int y = 3; y <= H() - 4; ++y) {
    EXPECT_EQ(at(37, y), button->ShadeColor(P, amounts[y - 1], true)) << "row " << y;
  }
  EXPECT_EQ(at(37, 0), 0x733C00u);
  EXPECT_EQ(at(0, 10), 0x733C00u);
  EXPECT_EQ(at(W() - 1, 10), 0x733C00u);
  EXPECT_EQ(at(37, H() - 1), 0x733C00u);
  EXPECT_EQ(at(1, 1), 0x7B4D10u);
  EXPECT_EQ(at(W() - 2, H() - 2), 0x7B4D10u);
  // The plain edge.
  EXPECT_EQ(at(5, H() - 2), button->ShadeColor(P, -48, true));
  EXPECT_EQ(at(5, 1), button->ShadeColor(P, 16, true));
  EXPECT_EQ(at(1, 10), button->ShadeColor(P, -5, true));
}

TEST_F(LooksTest, Type3HoverBeatsFocus) {
  button->onFocusGained();
  EXPECT_EQ(at(1, 10), 0xE7AE8Cu);  // blue focus edge
  EXPECT_EQ(at(5, H() - 2), 0xEF826Bu);
  hover(*button, *site);
  EXPECT_EQ(at(1, 10), 0x31B2FFu);  // orange hover edge wins
  EXPECT_EQ(at(5, H() - 2), 0x0096E7u);
  EXPECT_EQ(at(5, 1), 0xCEF3FFu);
  button->onFocusLost();
  EXPECT_EQ(at(1, 10), 0x31B2FFu);
  site->mouseInside = false;
  site->fakeTimers().advance(3);
  EXPECT_EQ(at(1, 10), button->ShadeColor(button->colors().PressedFaceColor, -5, true));
}

TEST_F(LooksTest, Type3DefaultButtonShowsTheBlueEdgeOnlyWithShowFocusRect) {
  site->isDefault = true;
  redraw();
  EXPECT_EQ(at(1, 10), 0xE7AE8Cu);
  button->setShowFocusRect(false);
  EXPECT_NE(at(1, 10), 0xE7AE8Cu);
}

TEST_F(LooksTest, Type3PressedGradientRunsUpwardAndDisabledIsFlat) {
  button->onMouseDown(1, 0, 5, 5);
  const Color base = button->ShadeColor(button->colors().PressedFaceColor, -32, true);
  // Row y is drawn by step i = H - y; amount -(25/23 * i) rounded.
  EXPECT_EQ(at(37, 5), button->ShadeColor(base, -20, true));
  EXPECT_EQ(at(37, 19), button->ShadeColor(base, -4, true));
  EXPECT_EQ(at(0, 10), 0x733C00u);
  button->onFocusGained();
  button->setEnabled(false);
  const Color P = button->colors().PressedFaceColor;
  EXPECT_EQ(at(37, 10), button->ShadeColor(P, -24, true));
  EXPECT_EQ(at(0, 10), button->ShadeColor(P, -84, true));
  EXPECT_EQ(at(1, 1), button->ShadeColor(P, -72, true));
}

TEST_F(LooksTest, Type2DefaultFrameOnlyOnTheDefaultButton) {
  button->setButtonType(2);
  const auto& c = button->colors();
  EXPECT_EQ(at(0, 10), c.HighlightColor);
  EXPECT_EQ(at(W() - 1, 10), c.DarkShadowColor);
  EXPECT_EQ(at(W() - 2, 10), c.ShadowColor);
  site->isDefault = true;
  redraw();
  EXPECT_EQ(at(0, 10), c.DarkShadowColor);
  EXPECT_EQ(at(1, 10), c.HighlightColor);
  EXPECT_EQ(at(W() - 2, 10), c.DarkShadowColor);
}

TEST_F(LooksTest, Type5FramesItsCaptionWhileFocused) {
  button->setCaption("Go");
  button->setButtonType(5);
  const Rect caption = button->CaptionRect();
  const Color frame = 0xCC9999;
  EXPECT_NE(at(caption.left - 2, caption.top - 1), frame);
  button->onFocusGained();
  EXPECT_EQ(at(caption.left - 2, caption.top - 1), frame);
  EXPECT_EQ(at(caption.right + 1, caption.bottom), frame);
  button->onMouseDown(4, 0, 5, 5);
  EXPECT_EQ(button->PaintedState(), VelkXPButton::StatePressed);
  EXPECT_EQ(at(caption.left - 2, caption.top - 1), frame);
  EXPECT_EQ(at(W() - 1, 10), button->colors().HighlightColor);
}

TEST_F(LooksTest, FlatTypesRiseOnlyUnderTheMouse) {
  const auto& c = button->colors();
  for (const int type : {8, 12}) {
    button->setButtonType(type);
    site->mouseInside = false;
    site->fakeTimers().advance(3);
    redraw();
    EXPECT_EQ(at(0, 10), c.FaceColor) << "type " << type;
    EXPECT_EQ(at(W() - 1, 10), c.FaceColor) << "type " << type;
    hover(*button, *site);
    EXPECT_EQ(at(0, 10), c.HighlightColor) << "type " << type;
    EXPECT_EQ(at(W() - 1, 10), type == 8 ? c.ShadowColor : c.DarkShadowColor) << "type " << type;
  }
  button->setButtonType(7);
  site->mouseInside = false;
  site->fakeTimers().advance(3);
  EXPECT_EQ(at(0, 10), c.HighlightColor);
}

TEST_F(LooksTest, FocusRectangleOnlyWhenFocusedShownAndEnabled) {
  button->setButtonType(1);
  const Rect inner = button->InnerRect();
  EXPECT_EQ(inner, (Rect{4, 4, W() - 4, H() - 4}));
  const Color face = at(inner.left, inner.top);
  button->onFocusGained();
  EXPECT_NE(at(inner.left, inner.top), face);
  button->setShowFocusRect(false);
  EXPECT_EQ(at(inner.left, inner.top), face);
  button->setShowFocusRect(true);
  button->setEnabled(false);
  EXPECT_EQ(at(inner.left, inner.top), face);
}

TEST_F(LooksTest, CustomHoverTakesItsPaletteFromBackOver) {
  button->setButtonType(7);
  button->setColorScheme(2);
  button->setBackColor(0xFFFFFF);
  button->setBackOver(0x00FFFF);
  EXPECT_EQ(at(37, 10), 0xFFFFFFu);
  hover(*button, *site);
  EXPECT_EQ(at(37, 10), 0x00FFFFu);
  EXPECT_EQ(at(0, 10), ShadeColor(0x00FFFF, 47, false, false));
  EXPECT_EQ(button->BackColor(), 0xFFFFFFu);
  EXPECT_EQ(button->colors().FaceColor, 0xFFFFFFu);
  // Other schemes keep their face while hovering.
  button->setColorScheme(3);
  EXPECT_EQ(at(37, 10), 0xC0C0C0u);
}

TEST_F(LooksTest, CheckedButtonStaysPressedWhatever) {
  button->setCheckBoxBehaviour(true);
  button->setValue(true);
  EXPECT_EQ(button->PaintedState(), VelkXPButton::StatePressed);
  hover(*button, *site);
  EXPECT_EQ(button->PaintedState(), VelkXPButton::StatePressed);
}

TEST_F(LooksTest, TypesOutsideTheRangeShowOnlyTheFace) {
  for (const int type : {0, 10, 15}) {
    button->setButtonType(type);
    for (int y = 0; y < H(); ++y) {
      for (int x = 0; x < W(); ++x) {
        ASSERT_EQ(at(x, y), button->colors().FaceColor) << "type " << type;
      }
    }
  }
}

TEST_F(LooksTest, OtherTypesDrawTheirKeyPixels) {
  const auto& c = button->colors();
  button->setButtonType(4);
  EXPECT_EQ(at(0, 10), c.DarkShadowColor);
  EXPECT_EQ(at(10, 2), c.HighlightColor);
  EXPECT_EQ(at(10, H() - 2), c.ShadowColor);
  const Color pressedFace = button->colors().PressedFaceColor;
  button->onMouseDown(1, 0, 1, 1);
  EXPECT_EQ(button->colors().PressedFaceColor, pressedFace);
  EXPECT_EQ(at(37, 10), ShadeColor(c.ShadowColor, -16, false, false));
  button->onMouseUp(1, 0, 1, 1);

  button->setButtonType(6);
  EXPECT_EQ(at(0, 10), ShadeColor(c.LightColor, 8, false, false));
  EXPECT_EQ(at(W() - 1, 10), c.ShadowColor);

  button->setButtonType(9);
  hover(*button, *site);
  EXPECT_EQ(at(0, 10), c.AccentColor);
  EXPECT_EQ(at(37, 10), c.AccentTint);
  button->onMouseDown(1, 0, 1, 1);
  EXPECT_EQ(at(37, 10), TintColor(c.AccentColor, 128));

  button->setButtonType(13);
  button->onMouseDown(1, 0, 1, 1);
  EXPECT_EQ(at(37, 11), ShadeColor(c.FaceColor, -32, false, false));
  EXPECT_EQ(at(0, 0), c.FaceColor);

  button->setButtonType(14);
  button->onMouseUp(1, 0, 1, 1);
  site->mouseInside = false;
  site->fakeTimers().advance(3);
  EXPECT_EQ(at(0, 10), ShadeColor(c.ShadowColor, -50, false, false));
  EXPECT_EQ(at(1, 10), ShadeColor(c.FaceColor, -9, false, false));
  EXPECT_EQ(at(3, 10), c.HighlightColor);
}

TEST_F(LooksTest, Type11ShowsWhatLiesBehind) {
  button->setButtonType(11);
  button->Show();
  EXPECT_EQ(at(37, 10), site->behind);
}

TEST_F(LooksTest, Type14DefaultCaptionIsBoldWithoutANestedRepaint) {
  site->isDefault = true;
  button->setButtonType(14);
  site->log.clear();
  const int drawsBefore = site->draws();
  redraw();
  EXPECT_EQ(site->draws(), drawsBefore + 1);
  ASSERT_FALSE(site->canvas().textCalls().empty());
  EXPECT_TRUE(site->canvas().textCalls().back().font.bold);
  EXPECT_FALSE(button->FontBold());
  EXPECT_TRUE(button->PaintingAllowed());
  for (const auto& entry : site->log) {
    EXPECT_EQ(entry.rfind("notify", 0), std::string::npos) << entry;
  }
  button->onMouseDown(1, 0, 1, 1);
  EXPECT_FALSE(site->canvas().textCalls().back().font.bold);
}

TEST_F(LooksTest, CaptionStylesAndEffects) {
  button->setButtonType(1);
  button->setCaption("Go");
  const auto& c = button->colors();
  const auto& calls = site->canvas().textCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].color, c.TextColor);
  EXPECT_EQ(calls[0].rect, button->CaptionRect());
  EXPECT_EQ(calls[0].flags, 0x15u);
  button->setSpecialEffect(2);
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].rect, button->CaptionRect().offset(1, 1));
  EXPECT_EQ(calls[0].color, ShadeColor(c.FaceColor, 40, false, false));
  EXPECT_EQ(calls[1].rect, button->CaptionRect().offset(-1, -1));
  EXPECT_EQ(calls[1].color, ShadeColor(c.FaceColor, -40, false, false));
  button->setSpecialEffect(3);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].color, ShadeColor(c.FaceColor, -40, false, false));
  button->setSpecialEffect(0);
  button->onMouseDown(1, 0, 1, 1);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].rect, button->CaptionRect().offset(1, 1));
  EXPECT_EQ(calls[0].color, c.HoverTextColor);
  button->setEnabled(false);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].color, c.HighlightColor);
  EXPECT_EQ(calls[1].color, c.ShadowColor);
}

TEST_F(LooksTest, CaptionIsCentredAndWraps) {
  button->setCaption("Go");
  // "Go" measures 12 by 13 starting at (1, 1): R = 13, B = 14.
  EXPECT_EQ(button->CaptionRect(), (Rect{1 + (75 - 13) / 2, 1 + (23 - 14) / 2, 13 + 31, 14 + 4}));
  create(40, 60);
  button->setCaption("one two three");
  const Rect caption = button->CaptionRect();
  EXPECT_EQ(caption.height(), 3 * FixedTextMeasurer::kLineHeight);
  EXPECT_EQ(caption.width(), 30);
}

TEST_F(LooksTest, RegionsFollowTheType) {
  EXPECT_FALSE(site->region.contains(0, 0));
  EXPECT_FALSE(site->region.contains(1, 0));
  EXPECT_FALSE(site->region.contains(0, 1));
  EXPECT_TRUE(site->region.contains(2, 0));
  EXPECT_TRUE(site->region.contains(1, 1));
  EXPECT_FALSE(site->region.contains(W() - 2, H() - 1));
  EXPECT_EQ(site->region.cutPixels.size(), 12u);
  button->setButtonType(5);
  EXPECT_FALSE(site->region.contains(0, H() - 1));
  EXPECT_FALSE(site->region.contains(W() - 1, 0));
  EXPECT_TRUE(site->region.contains(0, 0));
  EXPECT_TRUE(site->region.contains(W() - 1, H() - 1));
  button->setButtonType(1);
  EXPECT_EQ(site->region.cutPixels.size(), 4u);
  button->setButtonType(13);
  EXPECT_TRUE(site->region.ellipse);
  EXPECT_FALSE(site->region.contains(0, 0));
  EXPECT_TRUE(site->region.contains(37, 11));
  for (const int type : {2, 6, 7, 8, 9, 10, 11, 12}) {
    button->setButtonType(type);
    EXPECT_TRUE(site->region.cutPixels.empty()) << type;
    EXPECT_FALSE(site->region.ellipse) << type;
  }
}

}  // namespace
}  // namespace vorlane::testing
