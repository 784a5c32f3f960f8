// The pixel work of pictures; where pictures go and how each state draws them
// is in the golden pictures.

#include <gtest/gtest.h>

#include <vector>

#include "controls/button/button_painter.h"
#include "host/canvas/pixel_canvas.h"

namespace vorlane::testing {
namespace {

BlitOptions options(std::int64_t mask, std::int64_t silhouette, bool darkOnly, bool greyscale,
                    bool blend, bool useMaskColor = true) {
  BlitOptions o;
  o.mask = mask;
  o.silhouette = silhouette;
  o.darkOnly = darkOnly;
  o.greyscale = greyscale;
  o.blend = blend;
  o.useMaskColor = useMaskColor;
  o.maskFill = 0xC0C0C0;
  return o;
}

TEST(BlitPicture, EachModeOnAFewPixels) {
  const struct {
    const char* name;
    std::vector<Color> picture;
    BlitOptions how;
    std::vector<Color> expected;  // on a green background
  } cases[] = {
      {"greyscale weights, halves to even",
       {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF},
       options(-1, -1, false, true, false),
       {rgb(76, 76, 76), rgb(150, 150, 150), rgb(28, 28, 28), rgb(254, 254, 254)}},
      {"blend is two thirds picture",
       {0xFFFFFF, 0x000000},
       options(-1, -1, false, false, true),
       {rgb(170, 255, 170), rgb(0, 85, 0)}},
      {"mask colour is transparent",
       {0xC0C0C0, 0x0000FF},
       options(0xC0C0C0, -1, false, false, false),
       {0x00FF00, 0x0000FF}},
      {"only with UseMaskColor",
       {0xC0C0C0, 0x0000FF},
       options(0xC0C0C0, -1, false, false, false, false),
       {0xC0C0C0, 0x0000FF}},
      {"silhouette of the dark pixels only, 384 still dark",
       {0x101010, 0xF0F0F0, 0x808080, 0x818080},
       options(-1, 0x0000FF, true, false, false),
       {0x0000FF, 0x00FF00, 0x0000FF, 0x00FF00}},
      {"black silhouette of every pixel",
       {0x101010, 0xF0F0F0},
       options(-1, 0, false, false, false),
       {0, 0}},
  };
  for (const auto& c : cases) {
    PixelCanvas canvas(static_cast<std::int32_t>(c.picture.size()), 1, 0x00FF00);
    Pixels24 pixels(static_cast<std::int32_t>(c.picture.size()), 1);
    for (std::size_t x = 0; x < c.picture.size(); ++x) {
      pixels.set(static_cast<std::int32_t>(x), 0, c.picture[x]);
    }
    blitPicture(canvas, 0, 0, pixels.width(), 1, *Picture::bitmap(pixels), c.how);
    for (std::size_t x = 0; x < c.expected.size(); ++x) {
      EXPECT_EQ(canvas.at(static_cast<std::int32_t>(x), 0), c.expected[x]) << c.name << " " << x;
    }
  }
}

TEST(BlitPicture, RowsPaddedToFourBytesKeepEveryPixelInPlace) {
  Pixels24 pixels(15, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 15; ++x) {
      pixels.set(x, y, rgb(x * 16, y * 80, 200 - x));
    }
  }
  PixelCanvas canvas(20, 6, 0x010101);
  blitPicture(canvas, 3, 2, 15, 3, *Picture::bitmap(pixels), options(-1, -1, false, false, false));
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 15; ++x) {
      ASSERT_EQ(canvas.at(3 + x, 2 + y), pixels.at(x, y)) << x << "," << y;
    }
  }
  EXPECT_EQ(canvas.at(2, 2), 0x010101u);
  EXPECT_EQ(canvas.at(18, 4), 0x010101u);
  // Nothing to draw in an empty area.
  blitPicture(canvas, 0, 0, 0, 1, *Picture::bitmap(pixels),
              options(-1, 0xFFFFFF, false, false, false));
  EXPECT_EQ(canvas.at(0, 0), 0x010101u);
}

TEST(BlitPicture, IconsAreDrawnOnAMaskColourSquare) {
  std::vector<bool> opaque(16 * 16, false);
  opaque[8 * 16 + 8] = true;
  const auto icon = Picture::icon(Pixels24(16, 16, 0x123456), opaque);
  PixelCanvas canvas(16, 16, 0x00FF00);
  blitPicture(canvas, 0, 0, 16, 16, *icon, options(0xC0C0C0, -1, false, false, false));
  EXPECT_EQ(canvas.at(0, 0), 0x00FF00u);
  EXPECT_EQ(canvas.at(8, 8), 0x123456u);
  blitPicture(canvas, 0, 0, 16, 16, *icon, options(0xC0C0C0, -1, false, false, false, false));
  EXPECT_EQ(canvas.at(0, 0), 0xC0C0C0u);
}

}  // namespace
}  // namespace vorlane::testing
