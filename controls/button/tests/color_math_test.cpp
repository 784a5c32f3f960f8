#include "controls/button/color_math.h"

#include <gtest/gtest.h>

#include "controls/button/tests/button_fixture.h"

namespace vorlane::testing {
namespace {

TEST(ShadeColor, AddsAmountAndClampsTowardTheChange) {
  EXPECT_EQ(ShadeColor(0xC0C0C0, 48, false, false), 0xF0F0F0u);
  EXPECT_EQ(ShadeColor(0xC0C0C0, 48, true, false), 0xF0F0F0u);
  EXPECT_EQ(ShadeColor(0xC0C0C0, 48, false, true), 0xD8D8D8u);
  EXPECT_EQ(ShadeColor(0xD8E9EC, 48, true, false), 0xFFFFFFu);
  EXPECT_EQ(ShadeColor(0xD8E9EC, 48, true, true), 0xF3FFFFu);
  EXPECT_EQ(ShadeColor(0xD8E9EC, 48, false, true), 0xF0FFFFu);
  EXPECT_EQ(ShadeColor(0xD8E9EC, -104, true, false), 0x638184u);
  EXPECT_EQ(ShadeColor(0x000000, -64, false, false), 0x000000u);
  EXPECT_EQ(ShadeColor(0xFFFFFF, 255, false, false), 0xFFFFFFu);
}

TEST(ShadeColor, SoftBevelTruncatesOddAmountsTowardZero) {
  EXPECT_EQ(ShadeColor(0x808080, -5, false, true), 0x7E7E7Eu);
  EXPECT_EQ(ShadeColor(0x808080, 5, false, true), 0x828282u);
}

TEST(TintColor, SqueezesComponentsAboveTheFloor) {
  EXPECT_EQ(TintColor(0x6A240A, 176), 0xD0BBB3u);
  EXPECT_EQ(TintColor(0x800000, 176), 0xD7B0B0u);
  EXPECT_EQ(TintColor(0x000000, 176), 0xB0B0B0u);
  EXPECT_EQ(TintColor(0xFFFFFF, 176), 0xFFFFFFu);
}

using ColorSchemeTest = ButtonTest;

TEST_F(ColorSchemeTest, CustomSchemeWithWhiteFace) {
  button->setBackColor(0xFFFFFF);
  button->setColorScheme(2);
  const auto& c = button->colors();
  EXPECT_EQ(c.FaceColor, 0xFFFFFFu);
  EXPECT_EQ(c.ShadowColor, 0xBFBFBFu);
  EXPECT_EQ(c.LightColor, 0xFFFFFFu);
  EXPECT_EQ(c.HighlightColor, 0xFFFFFFu);
  EXPECT_EQ(c.DarkShadowColor, 0x3F3F3Fu);
  EXPECT_EQ(c.AccentColor, 0x7F7F7Fu);
  EXPECT_EQ(c.AccentTint, 0xFFFFFFu);
}

TEST_F(ColorSchemeTest, SystemClassicAndParentSchemes) {
  const auto& c = button->colors();
  EXPECT_EQ(c.FaceColor, FakeButtonSite::kBtnFace);
  EXPECT_EQ(c.AccentTint, TintColor(FakeButtonSite::kHighlight, 176));
  // Type 3 lightens its pressed face with proportional blue.
  EXPECT_EQ(c.PressedFaceColor, 0xFFFFFFu);
  button->setColorScheme(3);
  EXPECT_EQ(c.FaceColor, 0xC0C0C0u);
  EXPECT_EQ(c.AccentTint, 0xD1ADADu);
  EXPECT_EQ(c.PressedFaceColor, 0xF0F0F0u);
  button->setColorScheme(4);
  EXPECT_EQ(c.FaceColor, site->parent.background);
  EXPECT_EQ(c.TextColor, site->parent.text);
  EXPECT_EQ(c.ShadowColor, ShadeColor(site->parent.background, -64, false, false));
  button->setColorScheme(99);
  EXPECT_EQ(c.FaceColor, FakeButtonSite::kBtnFace);
}

TEST_F(ColorSchemeTest, SoftBevelSoftensDerivedColoursOnly) {
  button->setColorScheme(3);
  button->setSoftBevel(true);
  EXPECT_EQ(button->colors().ShadowColor, 0x808080u);
  EXPECT_EQ(button->colors().PressedFaceColor, 0xD8D8D8u);
  button->setColorScheme(2);
  button->setBackColor(0x808080);
  EXPECT_EQ(button->colors().ShadowColor, 0x606060u);
}

TEST_F(ColorSchemeTest, TranslateColorResolvesSystemReferences) {
  EXPECT_EQ(button->TranslateColor(0x123456), 0x123456u);
  EXPECT_EQ(button->TranslateColor(0x8000000F), FakeButtonSite::kBtnFace);
  EXPECT_EQ(button->TranslateColor(0x80FF0000), 0u);
  EXPECT_EQ(button->TranslateColor(0x02123456), 0u);
  // A system colour as mask colour is translated before use.
  button->setMaskColor(0x80000012);
  EXPECT_EQ(button->colors().MaskRGB, FakeButtonSite::kBtnText);
}

}  // namespace
}  // namespace vorlane::testing
