#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

#include "host/canvas/font.h"
#include "host/canvas/image_file.h"
#include "host/canvas/pixel_canvas.h"
#include "host/canvas/region_shape.h"
#include "host/canvas/text.h"
#include "tests/golden/golden.h"

namespace vorlane {
namespace {

Color shadeOf(int n) { return rgb(n * 37 % 256, 255 - n * 23 % 256, n * 61 % 256); }

TEST(PixelCanvas, DrawsEveryPrimitiveAsTheGoldenSheetWhichWritesBackAsAPng) {
  PixelCanvas canvas(100, 90, rgb(0xC0, 0xC0, 0xC0));
  canvas.fillRect({6, 4, 2, 1}, rgb(255, 0, 0));
  canvas.fillRect({-3, 84, 5, 100}, rgb(0, 0, 255));
  canvas.frameRect({8, 1, 16, 7}, 0);
  canvas.frameRect({17, 1, 18, 7}, 0);
  canvas.frameRect({20, 7, 24, 1}, 0);
  int n = 0;
  for (const int across : {0, 5, 6, 12}) {
    for (const int sx : {1, -1}) {
      for (const int sy : {1, -1}) {
        canvas.line(42, 14, 42 + 12 * sx, 14 + across * sy, shadeOf(++n));
        canvas.line(42, 14, 42 + across * sx, 14 + 12 * sy, shadeOf(++n));
      }
    }
  }
  canvas.line(60, 4, 60, 4, 0);
  canvas.line(-5, 89, 104, 85, rgb(0, 128, 0));
  canvas.setPixel(99, 0, 0);
  canvas.setPixel(-1, 1, 0);
  int x = 0;
  for (int size = 1; size <= 9; ++size, x += size + 1) {
    canvas.ellipse(Rect::sized(x, 28, size, size + size % 3), rgb(0, 0, 128), rgb(255, 255, 0));
  }
  canvas.ellipse({80, 40, 58, 29}, 0, rgb(255, 255, 255));
  canvas.fillRect({60, 2, 80, 14}, rgb(255, 255, 255));
  for (const Rect& box : {Rect{61, 3, 79, 13}, {62, 5, 70, 6}, {72, 5, 73, 12}, {66, 8, 66, 12}}) {
    canvas.focusRect(box, 0);
  }
  Pixels24 numbered(8, 8);
  std::vector<bool> opaque;
  for (int y = 0; y < 8; ++y) {
    for (int column = 0; column < 8; ++column) {
      numbered.set(column, y, shadeOf(y * 8 + column));
      opaque.push_back((column + y) % 3 != 0);
    }
  }
  const PicturePtr bitmap = Picture::bitmap(numbered);
  canvas.drawPicture(*bitmap, 0, 42);
  const PicturePtr icon = Picture::icon(numbered, opaque);
  canvas.drawPicture(*icon, 95, 42);
  EXPECT_FALSE(icon->opaqueAt(8, 1));
  const Rect whole{0, 0, 8, 8};
  const std::pair<Rect, Rect> stretches[] = {
      {whole, Rect::sized(10, 42, 11, 11)},       {whole, Rect::sized(23, 42, 4, 3)},
      {whole, Rect::sized(28, 42, 1, 1)},         {whole, Rect::sized(30, 42, 3, 16)},
      {{2, 0, 5, 8}, Rect::sized(34, 42, 10, 7)}, {{4, 4, 12, 12}, Rect::sized(45, 42, 8, 8)},
      {whole, Rect::sized(-4, 55, 8, 8)},         {whole, Rect::sized(54, 42, 0, 8)},
      {{3, 3, 4, 4}, Rect::sized(28, 45, 1, 1)}};
  for (const auto& [from, to] : stretches) canvas.stretchPicture(*bitmap, from, to);
  PixelCanvas source(6, 6, rgb(0, 200, 200));
  source.setPixel(0, 0, 0);
  canvas.copyFrom(source, -2, -2, 8, 8, 56, 42);
  canvas.copyFrom(source, 3, 2, 8, 8, 56, 51);
  canvas.writePixels(94, 54, canvas.readPixels(95, 0, 8, 8));
  canvas.setTextAsBoxes(true);
  canvas.drawText("A&b && c", {62, 42, 100, 62}, kTextCenter | kTextVCenter, rgb(128, 0, 0), {});
  canvas.drawText("ab cd e", {6, 62, 26, 90}, kTextWordBreak, rgb(0, 0, 128),
                  {"MS Sans Serif", 8.25, true});
  canvas.drawText("a&b", {30, 62, 60, 74}, kTextNoPrefix, 0, {});
  EXPECT_TRUE(testing::matchesGolden(canvas.pixels(), "host/canvas/tests/golden/primitives.png"));
  // The sheet is the PNG writer's sample too: written out, it reads back the same.
  const std::string copy = ::testing::TempDir() + "vorlane_primitives.png";
  ASSERT_TRUE(writeImageFile(copy, canvas.pixels()));
  EXPECT_TRUE(testing::matchesGolden(canvas.pixels(), copy));
  std::remove(copy.c_str());
  EXPECT_FALSE(writeImageFile("/no/such/folder/x.png", canvas.pixels()));
}

// Fixed-width text that fills the width exactly stays on one line.
TEST(Text, FontsRoundTripBadFontTextFallsBackAndLinesBreakOnlyToFit) {
  const Font font{"Verdana", 8.25, true, false, true};
  EXPECT_EQ(fontFromText(fontToText(font), Font{}), font);
  for (const char* bad :
       {"Verdana|8.25|1|0", "|8|0|0|0", "Arial|0|0|0|0", "Arial|8|yes|0|0", "Arial|8|0|0|0|"}) {
    EXPECT_EQ(fontFromText(bad, font), font) << bad;
  }
  const FixedTextMeasurer fixed;
  EXPECT_EQ(fixed.measure("ab cd", {0, 0, 30, 0}, kTextWordBreak, {}), (Rect{0, 0, 30, 13}));
  EXPECT_EQ(fixed.measure("ab cd", {2, 1, 31, 0}, kTextWordBreak, {}), (Rect{2, 1, 14, 27}));
}

TEST(RegionShape, HoldsItsOwnPixelsOnly) {
  const RegionShape cut{4, 3, false, {{1, 1}}};
  EXPECT_TRUE(cut.contains(3, 2) && cut.contains(0, 0));
  EXPECT_FALSE(cut.contains(1, 1) || cut.contains(4, 0) || cut.contains(0, 3) ||
               cut.contains(-1, 0));
}

}  // namespace
}  // namespace vorlane
