#include "controls/button/color_math.h"

#include <gtest/gtest.h>

#include "controls/button/button_model.h"
#include "controls/button/tests/fake_button_site.h"

namespace vorlane::testing {
namespace {

TEST(ShadeColor, AddsAmountAndClampsTowardTheChange) {
  const struct {
    Color color;
    int amount;
    bool proportionalBlue;
    bool softBevel;
    Color expected;
  } cases[] = {
      {0xC0C0C0, 48, false, false, 0xF0F0F0},   {0xC0C0C0, 48, true, false, 0xF0F0F0},
      {0xC0C0C0, 48, false, true, 0xD8D8D8},    {0xD8E9EC, 48, true, false, 0xFFFFFF},
      {0xD8E9EC, 48, true, true, 0xF3FFFF},     {0xD8E9EC, 48, false, true, 0xF0FFFF},
      {0xD8E9EC, -104, true, false, 0x638184},  {0x000000, -64, false, false, 0x000000},
      {0xFFFFFF, 255, false, false, 0xFFFFFF},  {0x808080, -5, false, true, 0x7E7E7E},
      {0x808080, 5, false, true, 0x828282},     {0x102030, 600, false, false, 0xFFFFFF},
      {0x102030, -600, false, false, 0x000000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShadeColor(c.color, c.amount, c.proportionalBlue, c.softBevel), c.expected)
        << std::hex << c.color << " by " << std::dec << c.amount;
  }
}

TEST(TintColor, SqueezesComponentsAboveTheFloor) {
  EXPECT_EQ(TintColor(0x6A240A, 176), 0xD0BBB3u);
  EXPECT_EQ(TintColor(0x800000, 176), 0xD7B0B0u);
  EXPECT_EQ(TintColor(0x000000, 176), 0xB0B0B0u);
  EXPECT_EQ(TintColor(0xFFFFFF, 176), 0xFFFFFFu);
}

Color luna(std::int32_t index) { return FakeButtonSite(1, 1).systemColor(index); }

// Edge colours of each scheme that the sheets do not show: a white Custom
// face, the soft bevel, a scheme number outside 1 to 4.
TEST(Palette, SchemesDeriveTheirEdges) {
  const struct {
    ColorScheme scheme;
    std::uint32_t face;
    bool softBevel;
    Color shadow, light, highlight, darkShadow, accent, accentTint, pressedFace;
  } cases[] = {
      {ColorScheme::kCustom, 0xFFFFFF, false, 0xBFBFBF, 0xFFFFFF, 0xFFFFFF, 0x3F3F3F, 0x7F7F7F,
       0xFFFFFF, 0xFFFFFF},
      {ColorScheme::kCustom, 0x808080, true, 0x606060, 0x8F8F8F, 0x979797, 0x202020, 0x404040,
       0x808080, 0x909898},
      {ColorScheme::kClassic, 0, true, 0x808080, 0xDFDFDF, 0xFFFFFF, 0x000000, 0x800000, 0xD1ADAD,
       0xD8D8D8},
      {ColorScheme{99}, 0, false, FakeButtonSite::kBtnShadow, FakeButtonSite::k3dLight,
       FakeButtonSite::kBtnHighlight, FakeButtonSite::k3dDkShadow, FakeButtonSite::kHighlight,
       0xD0BBB3, 0xFFFFFF},
  };
  for (const auto& c : cases) {
    ButtonProperties properties;
    properties.scheme = c.scheme;
    properties.softBevel = c.softBevel;
    properties.type = ButtonType::kXP;
    const Palette p = makePalette(properties, c.face, luna, ParentColors{});
    EXPECT_EQ(p.shadow, c.shadow) << static_cast<int>(c.scheme);
    EXPECT_EQ(p.light, c.light) << static_cast<int>(c.scheme);
    EXPECT_EQ(p.highlight, c.highlight) << static_cast<int>(c.scheme);
    EXPECT_EQ(p.darkShadow, c.darkShadow) << static_cast<int>(c.scheme);
    EXPECT_EQ(p.accent, c.accent) << static_cast<int>(c.scheme);
    EXPECT_EQ(p.accentTint, c.accentTint) << static_cast<int>(c.scheme);
    EXPECT_EQ(p.pressedFace, c.pressedFace) << static_cast<int>(c.scheme);
  }
}

TEST(TranslateColor, ResolvesSystemReferencesOnly) {
  const struct {
    std::uint32_t value;
    Color expected;
  } cases[] = {{0x123456, 0x123456},
               {0x8000000F, FakeButtonSite::kBtnFace},
               {0x80000012, FakeButtonSite::kBtnText},
               {0x80FF0000, 0},
               {0x02123456, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(translateColor(c.value, luna), c.expected) << std::hex << c.value;
  }
  ButtonProperties properties;
  properties.maskColor = 0x80000012;
  EXPECT_EQ(makePalette(properties, 0, luna, ParentColors{}).mask, FakeButtonSite::kBtnText);
}

}  // namespace
}  // namespace vorlane::testing
