#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "host/canvas/font.h"
#include "host/canvas/image_file.h"
#include "host/canvas/pixel_canvas.h"
#include "host/canvas/text.h"

namespace vorlane {
namespace {

TEST(PixelCanvas, RectanglesExcludeRightAndBottom) {
  PixelCanvas canvas(6, 6);
  canvas.fillRect({1, 1, 3, 3}, 0xFF);
  EXPECT_EQ(canvas.at(2, 2), 0xFFu);
  EXPECT_EQ(canvas.at(3, 2), 0u);
  canvas.frameRect({0, 0, 6, 6}, 0xAA);
  EXPECT_EQ(canvas.at(5, 5), 0xAAu);
  EXPECT_EQ(canvas.at(4, 4), 0u);
  canvas.frameRect({4, 4, 4, 6}, 0xBB);  // empty: nothing
  EXPECT_EQ(canvas.at(4, 4), 0u);
  canvas.fillRect({-5, -5, 100, 0}, 0xCC);  // clipped
  EXPECT_EQ(canvas.at(0, 0), 0xAAu);
}

TEST(PixelCanvas, LinesLeaveOutTheirEndPoint) {
  PixelCanvas canvas(8, 8);
  canvas.line(1, 1, 5, 1, 0xFF);
  EXPECT_EQ(canvas.at(4, 1), 0xFFu);
  EXPECT_EQ(canvas.at(5, 1), 0u);
  canvas.line(5, 5, 2, 5, 0xEE);
  EXPECT_EQ(canvas.at(5, 5), 0xEEu);
  EXPECT_EQ(canvas.at(2, 5), 0u);
  canvas.line(6, 6, 6, 6, 0xDD);
  EXPECT_EQ(canvas.at(6, 6), 0u);
  canvas.line(7, 2, 5, 4, 0xCC);  // diagonal
  EXPECT_EQ(canvas.at(7, 2), 0xCCu);
  EXPECT_EQ(canvas.at(6, 3), 0xCCu);
  EXPECT_EQ(canvas.at(5, 4), 0u);
}

TEST(PixelCanvas, FocusRectangleInvertsEveryOtherPixelTwiceIsNothing) {
  PixelCanvas canvas(10, 10, 0x123456);
  canvas.focusRect({2, 2, 8, 8}, 0);
  EXPECT_EQ(canvas.at(2, 2), 0x123456u ^ 0xFFFFFFu);
  EXPECT_EQ(canvas.at(3, 2), 0x123456u);
  EXPECT_EQ(canvas.at(5, 5), 0x123456u);
  canvas.focusRect({2, 2, 8, 8}, 0);
  EXPECT_EQ(canvas.at(2, 2), 0x123456u);
}

TEST(Pixels24, BottomUpRowsPaddedToFourBytes) {
  Pixels24 pixels(3, 2);
  EXPECT_EQ(Pixels24::stride(3), 12);
  EXPECT_EQ(pixels.size(), 24u);
  pixels.set(0, 0, rgb(1, 2, 3));
  EXPECT_EQ(pixels.data()[12], 3);  // blue first, top row stored last
  EXPECT_EQ(pixels.data()[14], 1);
}

TEST(Font, TextRoundTripAndBadTextFallsBack) {
  const Font font{"Verdana", 8.25, true, false, true};
  EXPECT_EQ(fontFromText(fontToText(font), Font{}), font);
  EXPECT_EQ(fontFromText("Verdana|8.25|1|0", Font{}), Font{});
  EXPECT_EQ(fontFromText("|8|0|0|0", Font{}), Font{});
  EXPECT_EQ(fontFromText("Arial|-3|0|0|0", Font{}), Font{});
  EXPECT_EQ(fontFromText("Arial|8|yes|0|0", Font{}), Font{});
}

TEST(FixedTextMeasurer, PrefixesAndWrapping) {
  EXPECT_EQ(withoutPrefixes("Ap&ply && go&"), "Apply & go");
  const FixedTextMeasurer measurer;
  const Rect one = measurer.measure("&Apply", {2, 3, 100, 50}, kTextCalcRect | kTextWordBreak, {});
  EXPECT_EQ(one, (Rect{2, 3, 2 + 30, 3 + 13}));
  const Rect two = measurer.measure("ab cd", {0, 0, 20, 50}, kTextCalcRect | kTextWordBreak, {});
  EXPECT_EQ(two, (Rect{0, 0, 12, 26}));
}

TEST(ImageFile, WritesABmp) {
  const std::string path = ::testing::TempDir() + "vorlane_canvas_test.bmp";
  Pixels24 pixels(5, 3, 0x00FF00);
  ASSERT_TRUE(writeImageFile(path, pixels));
  std::FILE* file = std::fopen(path.c_str(), "rb");
  ASSERT_NE(file, nullptr);
  std::fseek(file, 0, SEEK_END);
  EXPECT_EQ(std::ftell(file), 54 + 16 * 3);
  std::fclose(file);
  std::remove(path.c_str());
  EXPECT_FALSE(writeImageFile("/no/such/folder/x.bmp", pixels));
}

}  // namespace
}  // namespace vorlane
