// Every look of the push button on the in-memory canvas against the sheets in golden/.

#include "tests/golden/golden.h"

#include <functional>
#include <vector>

#include "controls/button/tests/button_fixture.h"

namespace vorlane::testing {
namespace {

constexpr int kCellWidth = 96;
constexpr int kButtonWidth = 86;
using SetUp = std::function<void(VelkXPButton&)>;

// XP's default ("Luna") system colours, with black text.
Color xpColor(std::int32_t index) { return index == 13 ? 0xC56A31 : index == 18 ? 0 : luna(index); }

// Rows: one per entry of `rows`; columns: for each scheme, the five looks. Each
// button is drawn with the pixels outside its window outline left as paper.
Pixels24 sheetOf(const std::vector<SetUp>& rows, const std::vector<int>& schemes, int height,
                 bool isDefault) {
  const int columns = static_cast<int>(schemes.size()) * 5;
  Pixels24 sheet(columns * kCellWidth, static_cast<int>(rows.size()) * (height + 8), 0xF4F4F4);
  for (int column = 0; column < columns; ++column) {
    for (std::size_t row = 0; row < rows.size(); ++row) {
      FakeButtonSite site;
      site.canvas = std::make_unique<PixelCanvas>(kButtonWidth, height);
      site.canvas->setTextAsBoxes(true);
      site.systemColors = xpColor;
      site.parent = {0xE0F0FF, 0x602000};
      site.mouseInside = true;
      site.isDefault = isDefault;
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
      const int left = column * kCellWidth + (kCellWidth - kButtonWidth) / 2;
      const int top = static_cast<int>(row) * (height + 8) + 4;
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < kButtonWidth; ++x) {
          if (site.region.contains(x, y)) {
            sheet.set(left + x, top + y, site.canvas->at(x, y));
          }
        }
      }
    }
  }
  return sheet;
}

// Rows: ButtonType 1 to 14.
Pixels24 buttonSheet(const std::vector<int>& schemes, bool isDefault) {
  std::vector<SetUp> rows;
  for (int type = 1; type <= 14; ++type) {
    rows.emplace_back([type](VelkXPButton& b) { b.setButtonType(ButtonType{type}); });
  }
  return sheetOf(rows, schemes, 26, isDefault);
}

// A 16 by 16 picture on the default mask colour: a disc with a dark rim.
PicturePtr disc(Color colour) {
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
Pixels24 pictureSheet() {
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
  return sheetOf(rows, {1}, 40, false);
}

TEST(ButtonGolden, EverySheetMatches) {
  const std::pair<const char*, Pixels24> sheets[] = {
      {"scheme1-system", buttonSheet({1}, false)},   {"scheme2-custom", buttonSheet({2}, false)},
      {"scheme3-classic", buttonSheet({3}, false)},  {"scheme4-parent", buttonSheet({4}, false)},
      {"default-button", buttonSheet({1, 2}, true)}, {"pictures", pictureSheet()},
  };
  for (const auto& [name, sheet] : sheets) {
    EXPECT_TRUE(matchesGolden(sheet, std::string("controls/button/tests/golden/") + name + ".png"))
        << name;
  }
}

}  // namespace
}  // namespace vorlane::testing
