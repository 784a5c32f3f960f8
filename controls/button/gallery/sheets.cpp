#include "controls/button/gallery/sheets.h"

#include <map>
#include <string>

#include "controls/button/button_site.h"
#include "controls/button/xp_button.h"
#include "host/canvas/pixel_canvas.h"
#include "tests/fakes/fake_timers.h"

namespace vorlane::gallery {
namespace {

constexpr int kCellWidth = 96;
constexpr int kButtonWidth = 86;
constexpr Color kPaper = 0xF4F4F4;

// A site with XP's default ("Luna") system colours, drawing onto one canvas.
class SheetSite final : public ButtonSite {
 public:
  SheetSite(const Surface& surface, Canvas& canvas, int height, bool isDefault)
      : surface_(surface), canvas_(canvas), height_(height), isDefault_(isDefault) {}

  Rect clientRect() const override { return {0, 0, kButtonWidth, height_}; }
  void redrawNow() override { button->paint(canvas_); }
  void refreshSurface() override {}
  void setWindowRegion(const RegionShape& shape) override { region = shape; }
  void setSurfaceEnabled(bool) override {}
  void setWindowText(const std::string&) override {}
  std::string displayName() const override { return "VelkXPButton1"; }
  bool displayAsDefault() const override { return isDefault_; }
  void propertyChanged(std::string_view) override {}
  PicturePtr resolvePicture(const std::string&) const override { return nullptr; }
  Color systemColor(std::int32_t index) const override {
    const std::map<std::int32_t, Color> kLuna = {{13, 0xC56A31}, {15, 0xD8E9EC}, {16, 0x99A8AC},
                                                 {20, 0xFFFFFF}, {21, 0x646F71}, {22, 0xE2EFF1}};
    return kLuna.count(index) != 0 ? kLuna.at(index) : 0x000000;
  }
  ParentColors parentColors() const override { return {0xE0F0FF, 0x602000}; }
  const TextMeasurer& textMeasurer() const override { return *surface_.measurer; }
  std::int32_t dotsPerInch() const override { return 96; }
  bool isMouseInside() const override { return true; }
  void captureMouse() override {}
  void sendKeystroke(KeystrokeSender::Keystroke) override {}
  TimerService& timers() override { return timers_; }
  std::unique_ptr<Canvas> createBackgroundCanvas(std::int32_t width, std::int32_t height) override {
    return surface_.makeCanvas(width, height);
  }
  void captureBehind(Canvas* background, std::int32_t width, std::int32_t height) override {
    // What lies behind a see-through button: diagonal stripes.
    if (background == nullptr) {
      return;
    }
    background->fillRect({0, 0, width, height}, kPaper);
    for (int x = -height; x < width; x += 6) {
      background->line(x, 0, x + height, height, 0xE0C8A8);
    }
  }

  RegionShape region;
  VelkXPButton* button = nullptr;

 private:
  const Surface& surface_;
  Canvas& canvas_;
  int height_;
  bool isDefault_;
  // Never advanced: the sheets set every look by hand.
  testing::FakeTimerService timers_;
};

struct Cell {
  int column = 0;
  int row = 0;
  int buttonHeight = 0;
  Look look = Look::kNormal;
  bool isDefault = false;
};

// One button, configured by `setUp` and put in its look, drawn into the sheet
// with the pixels outside its window outline left as paper.
void drawCell(const Surface& surface, Pixels24& sheet, const Cell& cell,
              const std::function<void(VelkXPButton&)>& setUp) {
  const int cellHeight = cell.buttonHeight + 8;
  const std::unique_ptr<Canvas> canvas = surface.makeCanvas(kButtonWidth, cell.buttonHeight);
  SheetSite site(surface, *canvas, cell.buttonHeight, cell.isDefault);
  VelkXPButton button(site);
  site.button = &button;
  button.InitProperties();
  button.setCaption("&Apply");
  setUp(button);
  button.Resize();
  button.Show();
  putInLook(button, cell.look);
  const Pixels24 pixels = canvas->readPixels(0, 0, kButtonWidth, cell.buttonHeight);
  const int left = cell.column * kCellWidth + (kCellWidth - kButtonWidth) / 2;
  const int top = cell.row * cellHeight + 4;
  for (int y = 0; y < cell.buttonHeight; ++y) {
    for (int x = 0; x < kButtonWidth; ++x) {
      if (site.region.contains(x, y)) {
        sheet.set(left + x, top + y, pixels.at(x, y));
      }
    }
  }
}

PicturePtr samplePicture(Color disc = 0x2020E0) {
  // A 16 by 16 picture on the default mask colour: a disc with a dark rim.
  Pixels24 pixels(16, 16, 0xC0C0C0);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const int dx = 2 * x - 15;
      const int dy = 2 * y - 15;
      const int distance = dx * dx + dy * dy;
      if (distance < 144) {
        pixels.set(x, y, distance < 100 ? disc : 0x101060);
      }
    }
  }
  return Picture::bitmap(pixels, "gallery:disc");
}

}  // namespace

Surface pixelSurface() {
  static const FixedTextMeasurer measurer;
  return {[](std::int32_t width, std::int32_t height) -> std::unique_ptr<Canvas> {
            auto canvas = std::make_unique<PixelCanvas>(width, height);
            canvas->setTextAsBoxes(true);
            return canvas;
          },
          &measurer};
}

Pixels24 buttonSheet(const Surface& surface, const std::vector<int>& schemes, bool isDefault) {
  constexpr int kHeight = 26;
  const int columns = static_cast<int>(schemes.size()) * 5;
  Pixels24 sheet(columns * kCellWidth, 14 * (kHeight + 8), kPaper);
  for (int type = 1; type <= 14; ++type) {
    for (std::size_t s = 0; s < schemes.size(); ++s) {
      const int scheme = schemes[s];
      for (int lookIndex = 0; lookIndex < 5; ++lookIndex) {
        const Cell cell{static_cast<int>(s) * 5 + lookIndex, type - 1, kHeight,
                        kAllLooks[lookIndex], isDefault};
        drawCell(surface, sheet, cell, [type, scheme](VelkXPButton& button) {
          button.setButtonType(ButtonType{type});
          button.setColorScheme(ColorScheme{scheme});
          if (scheme == 2) {
            button.setBackColor(0x00FFFF);
            button.setBackOver(0x80FFFF);
            button.setForeColor(0x000000);
            button.setForeOver(0xFF0000);
          }
        });
      }
    }
  }
  return sheet;
}

Pixels24 pictureSheet(const Surface& surface) {
  const PicturePtr picture = samplePicture();
  constexpr int kHeight = 40;
  Pixels24 out(5 * kCellWidth, 13 * (kHeight + 8), kPaper);
  const std::vector<std::function<void(VelkXPButton&)>> rows = {
      [](VelkXPButton& b) { b.setPicturePosition(PicturePosition::kLeft); },
      [](VelkXPButton& b) { b.setPicturePosition(PicturePosition::kRight); },
      [](VelkXPButton& b) { b.setPicturePosition(PicturePosition::kTop); },
      [](VelkXPButton& b) { b.setPicturePosition(PicturePosition::kBottom); },
      [](VelkXPButton& b) { b.setPicturePosition(PicturePosition::kCentre); },
      [](VelkXPButton& b) { b.setUseGreyscale(true); },
      [](VelkXPButton& b) { b.setSpecialEffect(SpecialEffect::kRaised); },
      [](VelkXPButton& b) { b.setSpecialEffect(SpecialEffect::kSunken); },
      [](VelkXPButton& b) { b.setSpecialEffect(SpecialEffect::kShadow); },
      [](VelkXPButton& b) { b.setButtonType(ButtonType::kHotTrack); },
      [](VelkXPButton& b) { b.setPictureOver(samplePicture(0xE02020)); },
      [](VelkXPButton& b) { b.setButtonType(ButtonType::kBevelFramed); },
      [](VelkXPButton& b) { b.setButtonType(ButtonType::kFlatFramed); },
  };
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (int lookIndex = 0; lookIndex < 5; ++lookIndex) {
      const Cell cell{lookIndex, static_cast<int>(row), kHeight, kAllLooks[lookIndex], false};
      drawCell(surface, out, cell, [&](VelkXPButton& button) {
        if (row == 2 || row == 3) {
          button.setCaption("Up");
        }
        button.setPictureNormal(picture);
        rows[row](button);
      });
    }
  }
  return out;
}

}  // namespace vorlane::gallery
