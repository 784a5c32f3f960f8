// Colour and pixel work the golden pictures do not reach (soft bevel, system colours, icons).

#include <vector>

#include "controls/button/button_model.h"
#include "controls/button/button_painter.h"
#include "controls/button/tests/button_fixture.h"

namespace vorlane::testing {
namespace {

// Shades add the amount and clamp toward the change; a soft bevel halves it.
TEST(ColorMath, ShadesTintsAndSystemReferences) {
  const std::pair<Color, Color> cases[] = {
      {ShadeColor(0xC0C0C0, 48, true, false), 0xF0F0F0},
      {ShadeColor(0xC0C0C0, 48, false, true), 0xD8D8D8},
      {ShadeColor(0xD8E9EC, 48, true, true), 0xF3FFFF},
      {ShadeColor(0xD8E9EC, 48, false, true), 0xF0FFFF},
      {ShadeColor(0xD8E9EC, -104, true, false), 0x638184},
      {ShadeColor(0x808080, -5, false, true), 0x7E7E7E},
      {ShadeColor(0x102030, 600, false, false), 0xFFFFFF},
      {ShadeColor(0x102030, -600, false, false), 0x000000},
      {TintColor(0x6A240A, 176), 0xD0BBB3},
      {translateColor(0x123456, luna), 0x123456},
      {translateColor(0x8000000F, luna), 0xD8E9EC},
      {translateColor(0x80FF0000, luna), 0},
      {translateColor(0x02123456, luna), 0},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;
  }
}

TEST(BlitPicture, EachModeOnAFewPixels) {
  BlitOptions greyscale, darkOnly, black, unmasked;
  greyscale.greyscale = darkOnly.darkOnly = true;
  darkOnly.silhouette = 0x0000FF;
  black.silhouette = 0;
  unmasked.mask = 0xC0C0C0;
  unmasked.useMaskColor = false;
  const struct {
    std::vector<Color> picture;
    BlitOptions how;
    std::vector<Color> expected;  // on a green background
  } cases[] = {
      {{0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF},
       greyscale,
       {0x4C4C4C, 0x969696, 0x1C1C1C, 0xFEFEFE}},
      {{0x101010, 0xF0F0F0, 0x808080, 0x818080}, darkOnly, {0xFF, 0xFF00, 0xFF, 0xFF00}},
      {{0x101010, 0xF0F0F0}, black, {0, 0}},
      {{0xC0C0C0, 0x0000FF}, unmasked, {0xC0C0C0, 0x0000FF}},
  };
  for (const auto& c : cases) {
    const auto width = static_cast<std::int32_t>(c.picture.size());
    PixelCanvas canvas(width, 1, 0x00FF00);
    Pixels24 pixels(width, 1);
    for (std::int32_t x = 0; x < width; ++x) {
      pixels.set(x, 0, c.picture[x]);
    }
    blitPicture(canvas, 0, 0, width, 1, *Picture::bitmap(pixels), c.how);
    for (std::int32_t x = 0; x < width; ++x) {
      EXPECT_EQ(canvas.at(x, 0), c.expected[x]) << std::hex << c.picture[0] << " at " << x;
    }
  }
}

TEST(BlitPicture, IconsAreDrawnOnAMaskColourSquare) {
  std::vector<bool> opaque(16 * 16, false);
  opaque[8 * 16 + 8] = true;
  const auto icon = Picture::icon(Pixels24(16, 16, 0x123456), opaque);
  BlitOptions options;
  options.mask = options.maskFill = 0xC0C0C0;
  PixelCanvas canvas(16, 16, 0x00FF00);
  blitPicture(canvas, 0, 0, 16, 16, *icon, options);
  EXPECT_EQ(canvas.at(0, 0), 0x00FF00u);
  EXPECT_EQ(canvas.at(8, 8), 0x123456u);
  options.useMaskColor = false;
  blitPicture(canvas, 0, 0, 16, 16, *icon, options);
  EXPECT_EQ(canvas.at(0, 0), 0xC0C0C0u);
}

}  // namespace
}  // namespace vorlane::testing
