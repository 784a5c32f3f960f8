#pragma once

// The sheets of looks: every ButtonType in the five looks per colour scheme,
// and pictures at every position and effect. The golden pictures draw them on
// the in-memory canvas; the README's gallery draws them with GDI and real text.

#include <functional>
#include <vector>

#include "controls/button/tests/button_fixture.h"

namespace vorlane::testing {

inline constexpr int kCellWidth = 96;
inline constexpr int kButtonWidth = 86;
using SetUp = std::function<void(VelkXPButton&)>;
// How a sheet is drawn: by `paint` giving a laid-out button's pixels (none: the site's
// in-memory canvas, a box per caption character), captions laid out by `measurer`
// (none: the site's fixed-width one).
struct SheetSurface {
  std::function<Pixels24(VelkXPButton&, int width, int height)> paint;
  const TextMeasurer* measurer = nullptr;
};

// Rows: one per entry of `rows`; columns: for each scheme, the five looks. Each
// button is drawn with the pixels outside its window outline left as paper.
inline Pixels24 sheetOf(const std::vector<SetUp>& rows, const std::vector<int>& schemes, int height,
                        bool isDefault, const SheetSurface& surface) {
  const int columns = static_cast<int>(schemes.size()) * 5;
  Pixels24 sheet(columns * kCellWidth, static_cast<int>(rows.size()) * (height + 8), 0xF4F4F4);
  for (int column = 0; column < columns; ++column) {
    for (std::size_t row = 0; row < rows.size(); ++row) {
      FakeButtonSite site;
      site.canvas = std::make_unique<PixelCanvas>(kButtonWidth, height);
      site.canvas->setTextAsBoxes(true);
      // XP's default ("Luna") system colours, with black text.
      site.systemColors = [](std::int32_t i) { return i == 13 ? 0xC56A31 : i == 18 ? 0 : luna(i); };
      site.parent = {0xE0F0FF, 0x602000};
      site.mouseInside = true;
      site.isDefault = isDefault;
      site.measurer = surface.measurer;
      VelkXPButton button(site);
      site.button = &button;
      button.InitProperties();
      button.setCaption("&Apply");
      const int scheme = schemes[column / 5];
      button.setColorScheme(ColorScheme{scheme});
      if (scheme == 2) {
        button.setBackColor(0x00FFFF);
        button.setBackOver(0x80FFFF);
      }
      rows[row](button);
      button.Resize();
      button.Show();
      putInLook(button, kAllLooks[column % 5]);
      const Pixels24 drawn =
          surface.paint ? surface.paint(button, kButtonWidth, height) : site.canvas->pixels();
      const int left = column * kCellWidth + (kCellWidth - kButtonWidth) / 2;
      const int top = static_cast<int>(row) * (height + 8) + 4;
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < kButtonWidth; ++x) {
          if (site.region.contains(x, y)) {
            sheet.set(left + x, top + y, drawn.at(x, y));
          }
        }
      }
    }
  }
  return sheet;
}

// Rows: ButtonType 1 to 14.
inline Pixels24 buttonSheet(const std::vector<int>& schemes, bool isDefault,
                            const SheetSurface& surface = {}) {
  std::vector<SetUp> rows;
  for (int type = 1; type <= 14; ++type) {
    rows.emplace_back([type](VelkXPButton& b) { b.setButtonType(ButtonType{type}); });
  }
  return sheetOf(rows, schemes, 26, isDefault, surface);
}

// A 16 by 16 picture on the default mask colour: a disc with a dark rim.
inline PicturePtr disc(Color colour) {
  Pixels24 pixels(16, 16, 0xC0C0C0);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const int distance = (2 * x - 15) * (2 * x - 15) + (2 * y - 15) * (2 * y - 15);
      if (distance < 144) {
        pixels.set(x, y, distance < 100 ? colour : 0x101060);
      }
    }
  }
  return Picture::bitmap(pixels, "gallery:disc");
}

// Rows: PicturePosition 0 to 4, greyscale, SpecialEffect 1, 2 and 3, a picture
// on type 9, a PictureOver, and pictures on types 1 and 5.
inline Pixels24 pictureSheet(const SheetSurface& surface = {}) {
  const PicturePtr picture = disc(0x2020E0);
  std::vector<SetUp> rows;
  for (int row = 0; row < 13; ++row) {
    rows.emplace_back([row, picture](VelkXPButton& b) {
      b.setPictureNormal(picture);
      b.setCaption(row == 2 || row == 3 ? "Up" : "&Apply");
      b.setPicturePosition(PicturePosition{row < 5 ? row : 0});
      b.setUseGreyscale(row == 5);
      b.setSpecialEffect(SpecialEffect{row > 5 && row < 9 ? row - 5 : 0});
      b.setButtonType(row == 9    ? ButtonType::kHotTrack
                      : row == 11 ? ButtonType::kBevelFramed
                      : row == 12 ? ButtonType::kFlatFramed
                                  : ButtonType::kXP);
      if (row == 10) {
        b.setPictureOver(disc(0xE02020));
      }
    });
  }
  return sheetOf(rows, {1}, 40, false, surface);
}

}  // namespace vorlane::testing
