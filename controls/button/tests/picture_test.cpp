#include <gtest/gtest.h>

#include "controls/button/tests/button_fixture.h"
#include "host/canvas/pixel_canvas.h"

namespace vorlane::testing {
namespace {

using PictureTest = ButtonTest;

Pixels24 row(std::initializer_list<Color> colors) {
  Pixels24 pixels(static_cast<std::int32_t>(colors.size()), 1);
  std::int32_t x = 0;
  for (const Color color : colors) {
    pixels.set(x++, 0, color);
  }
  return pixels;
}

TEST_F(PictureTest, GreyscaleWeightsAndHalvesToEven) {
  PixelCanvas canvas(4, 1);
  const auto picture = Picture::bitmap(row({0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF}));
  button->BlitPicture(canvas, 0, 0, 4, 1, *picture, -1, -1, false, true, false);
  EXPECT_EQ(canvas.at(0, 0), rgb(76, 76, 76));
  EXPECT_EQ(canvas.at(1, 0), rgb(150, 150, 150));
  EXPECT_EQ(canvas.at(2, 0), rgb(28, 28, 28));
  EXPECT_EQ(canvas.at(3, 0), rgb(254, 254, 254));
}

TEST_F(PictureTest, BlendIsTwoThirdsPicture) {
  PixelCanvas canvas(2, 1);
  canvas.setPixel(1, 0, 0xFFFFFF);
  const auto picture = Picture::bitmap(row({0xFFFFFF, 0xFFFFFF}));
  button->BlitPicture(canvas, 0, 0, 2, 1, *picture, -1, -1, false, false, true);
  EXPECT_EQ(canvas.at(0, 0), rgb(170, 170, 170));
  EXPECT_EQ(canvas.at(1, 0), 0xFFFFFFu);
}

TEST_F(PictureTest, RowsPaddedToFourBytesKeepEveryPixelInPlace) {
  Pixels24 pixels(15, 3);
  EXPECT_EQ(Pixels24::stride(15), 48);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 15; ++x) {
      pixels.set(x, y, rgb(x * 16, y * 80, 200 - x));
    }
  }
  const auto picture = Picture::bitmap(pixels);
  PixelCanvas canvas(20, 6, 0x010101);
  button->BlitPicture(canvas, 3, 2, 15, 3, *picture, -1, -1, false, false, false);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 15; ++x) {
      ASSERT_EQ(canvas.at(3 + x, 2 + y), pixels.at(x, y)) << x << "," << y;
    }
  }
  EXPECT_EQ(canvas.at(2, 2), 0x010101u);
  EXPECT_EQ(canvas.at(18, 4), 0x010101u);
}

TEST_F(PictureTest, MaskColourIsTransparentOnlyWithUseMaskColor) {
  Pixels24 pixels(32, 32, 0xC0C0C0);
  pixels.set(16, 16, 0x0000FF);
  const auto picture = Picture::bitmap(pixels);
  PixelCanvas canvas(32, 32, 0x00FF00);
  button->BlitPicture(canvas, 0, 0, 32, 32, *picture, 0xC0C0C0, -1, false, false, false);
  EXPECT_EQ(canvas.at(0, 0), 0x00FF00u);
  EXPECT_EQ(canvas.at(16, 16), 0x0000FFu);
  button->setUseMaskColor(false);
  button->BlitPicture(canvas, 0, 0, 32, 32, *picture, 0xC0C0C0, -1, false, false, false);
  EXPECT_EQ(canvas.at(0, 0), 0xC0C0C0u);
}

TEST_F(PictureTest, IconsAreDrawnOnAMaskColourSquare) {
  std::vector<bool> opaque(16 * 16, false);
  opaque[8 * 16 + 8] = true;
  const auto icon = Picture::icon(Pixels24(16, 16, 0x123456), opaque);
  PixelCanvas canvas(16, 16, 0x00FF00);
  button->BlitPicture(canvas, 0, 0, 16, 16, *icon, 0xC0C0C0, -1, false, false, false);
  EXPECT_EQ(canvas.at(0, 0), 0x00FF00u);
  EXPECT_EQ(canvas.at(8, 8), 0x123456u);
  button->setUseMaskColor(false);
  button->BlitPicture(canvas, 0, 0, 16, 16, *icon, 0xC0C0C0, -1, false, false, false);
  EXPECT_EQ(canvas.at(0, 0), 0xC0C0C0u);
}

TEST_F(PictureTest, SilhouettesAndDarkOnly) {
  const auto picture = Picture::bitmap(row({0x101010, 0xF0F0F0}));
  PixelCanvas canvas(2, 1, 0x00FF00);
  button->BlitPicture(canvas, 0, 0, 2, 1, *picture, -1, 0x0000FF, true, false, false);
  EXPECT_EQ(canvas.at(0, 0), 0x0000FFu);
  EXPECT_EQ(canvas.at(1, 0), 0x00FF00u);
  button->BlitPicture(canvas, 0, 0, 2, 1, *picture, -1, 0, false, false, false);
  EXPECT_EQ(canvas.at(1, 0), 0u);
  button->BlitPicture(canvas, 0, 0, 0, 1, *picture, -1, 0xFFFFFF, false, false, false);
  EXPECT_EQ(canvas.at(1, 0), 0u);
}

TEST_F(PictureTest, PictureSitsBesideAboveOrBelowTheCaption) {
  button->setCaption("Go");
  button->setPictureNormal(Picture::bitmap(Pixels24(16, 16)));
  EXPECT_EQ(button->PictureWidth(), 16);
  const Rect caption = button->CaptionRect();
  EXPECT_EQ(button->PictureLeft(), caption.left - 20);
  EXPECT_EQ(button->PictureTop(), (23 - 16) / 2);
  button->setPicturePosition(1);
  EXPECT_EQ(button->PictureLeft(), button->CaptionRect().right + 4);
  button->setPicturePosition(2);
  EXPECT_EQ(button->PictureLeft(), (75 - 16) / 2);
  EXPECT_EQ(button->PictureTop(), button->CaptionRect().top - 18);
  button->setPicturePosition(3);
  EXPECT_EQ(button->PictureTop(), button->CaptionRect().bottom + 2);
  button->setPicturePosition(4);
  EXPECT_EQ(button->PictureLeft(), (75 - 16) / 2);
  EXPECT_EQ(button->PictureTop(), (23 - 16) / 2);
  button->setPicturePosition(0);
  button->setCaption("   ");
  EXPECT_EQ(button->PictureLeft(), (75 - 16) / 2);
}

TEST_F(PictureTest, CaptionLeavesRoomForAPictureOnTheRight) {
  button->setCaption("Go");
  button->setPicturePosition(1);
  button->setPictureNormal(Picture::bitmap(Pixels24(32, 32)));
  // Measured from (1, 1): R = 13; dx = (75 - 13 - 32 - 4) / 2.
  EXPECT_EQ(button->CaptionRect().left, 1 + 13);
}

TEST_F(PictureTest, StatesDrawTheRightPicture) {
  button->setButtonType(7);
  button->setCaption("");
  Pixels24 pixels(4, 4, 0x0000FF);
  pixels.set(0, 0, 0xFFFFFF);
  const auto normal = Picture::bitmap(pixels);
  const auto over = Picture::bitmap(Pixels24(4, 4, 0xFF0000));
  button->setPictureNormal(normal);
  button->setPictureOver(over);
  const std::int32_t left = button->PictureLeft();
  const std::int32_t top = button->PictureTop();
  EXPECT_EQ(at(left + 1, top + 1), 0x0000FFu);
  site->mouseInside = true;
  button->onMouseMove(0, 0, 5, 5);
  EXPECT_EQ(at(left + 1, top + 1), 0xFF0000u);
  button->onMouseDown(1, 0, 5, 5);
  EXPECT_EQ(at(left + 1, top + 1), 0xFF0000u);
  EXPECT_EQ(at(left + 4, top + 4), 0xFF0000u);  // moved by (1, 1)
  button->onMouseUp(1, 0, 5, 5);
  button->setEnabled(false);
  // Disabled: an etched silhouette of the dark pixels; the white one vanishes.
  EXPECT_EQ(at(left + 1, top + 1), button->colors().ShadowColor);
  EXPECT_EQ(at(left + 4, top + 4), button->colors().HighlightColor);
  EXPECT_EQ(at(left, top), button->colors().FaceColor);
  button->setPictureNormal(nullptr);
  EXPECT_EQ(at(left + 1, top + 1), button->colors().FaceColor);
}

TEST_F(PictureTest, GreyscaleOnlyForTheNormalPicture) {
  button->setButtonType(7);
  button->setCaption("");
  button->setPictureNormal(Picture::bitmap(Pixels24(4, 4, 0x0000FF)));
  button->setUseGreyscale(true);
  const std::int32_t left = button->PictureLeft();
  const std::int32_t top = button->PictureTop();
  EXPECT_EQ(at(left + 1, top + 1), rgb(76, 76, 76));
  button->onMouseDown(1, 0, 5, 5);
  EXPECT_EQ(at(left + 2, top + 2), 0x0000FFu);
}

}  // namespace
}  // namespace vorlane::testing
