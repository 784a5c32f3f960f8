// Renders every look of the push button into image files for the README:
// buttons.png (all fourteen types in the four colour schemes, each normal,
// hover, pressed, disabled and focused) and pictures.png (a picture at every
// PicturePosition, greyscale, disabled and with each SpecialEffect).
//
//   vorlane_button_gallery <output folder>
//
// On Windows the buttons are drawn with real GDI, text included; elsewhere on
// the in-memory canvas, which draws no glyphs.

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/button/button_site.h"
#include "controls/button/gallery/looks.h"
#include "controls/button/xp_button.h"
#include "host/canvas/image_file.h"
#include "host/canvas/pixel_canvas.h"
#include "host/canvas/text.h"

#ifdef _WIN32
#include "host/canvas/win32/gdi_canvas.h"
#endif

namespace vorlane {
namespace {

constexpr int kCellWidth = 96;
constexpr int kButtonWidth = 86;
constexpr Color kPaper = 0xF4F4F4;

class IdleTimer final : public Timer {
 public:
  void setInterval(unsigned milliseconds) override { interval_ = milliseconds; }
  unsigned interval() const override { return interval_; }
  void setEnabled(bool enabled) override { enabled_ = enabled; }
  bool enabled() const override { return enabled_; }

 private:
  unsigned interval_ = 0;
  bool enabled_ = false;
};

// Timers that never fire: the gallery sets every look by hand.
class IdleTimers final : public TimerService {
 public:
  std::unique_ptr<Timer> createTimer(unsigned, bool, std::function<void()>) override {
    return std::make_unique<IdleTimer>();
  }
};

std::unique_ptr<Canvas> makeCanvas(int width, int height) {
#ifdef _WIN32
  static HDC screen = ::GetDC(nullptr);
  return std::make_unique<win32::GdiMemoryCanvas>(screen, width, height);
#else
  return std::make_unique<PixelCanvas>(width, height);
#endif
}

const TextMeasurer& measurer() {
#ifdef _WIN32
  static const win32::GdiTextMeasurer measurer;
#else
  static const FixedTextMeasurer measurer;
#endif
  return measurer;
}

// A site with XP's default ("Luna") system colours, drawing onto one canvas.
class GallerySite final : public ButtonSite {
 public:
  GallerySite(Canvas& canvas, int height, bool isDefault)
      : canvas_(canvas), height_(height), isDefault_(isDefault) {}
  void attach(VelkXPButton* button) { button_ = button; }

  Rect clientRect() const override { return {0, 0, kButtonWidth, height_}; }
  void redrawNow() override {
    if (button_ != nullptr) {
      button_->paint(canvas_);
    }
  }
  void refreshSurface() override {}
  void setWindowRegion(const RegionShape& shape) override { region = shape; }
  void setSurfaceEnabled(bool) override {}
  void setAccessKey(char) override {}
  void setWindowText(const std::string&) override {}
  bool setMousePointer(std::int16_t) override { return true; }
  bool setMouseIcon(const PicturePtr&) override { return true; }
  bool designMode() const override { return false; }
  std::string displayName() const override { return "VelkXPButton1"; }
  bool displayAsDefault() const override { return isDefault_; }
  void propertyChanged(std::string_view) override {}
  PicturePtr resolvePicture(const std::string&) const override { return nullptr; }
  Color systemColor(std::int32_t index) const override {
    switch (index) {
      case 13:
        return 0xC56A31;
      case 15:
        return 0xD8E9EC;
      case 16:
        return 0x99A8AC;
      case 20:
        return 0xFFFFFF;
      case 21:
        return 0x646F71;
      case 22:
        return 0xE2EFF1;
      default:
        return 0x000000;
    }
  }
  ParentColors parentColors() const override { return {0xE0F0FF, 0x602000}; }
  Color surfaceBackground() const override { return 0xD8E9EC; }
  const TextMeasurer& textMeasurer() const override { return measurer(); }
  std::int32_t dotsPerInch() const override { return 96; }
  bool isMouseInside() const override { return true; }
  void captureMouse() override {}
  void sendKeystroke(KeystrokeSender::Keystroke) override {}
  TimerService& timers() override { return timers_; }
  std::unique_ptr<Canvas> createBackgroundCanvas(std::int32_t width, std::int32_t height) override {
    return makeCanvas(width, height);
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

 private:
  Canvas& canvas_;
  int height_;
  bool isDefault_;
  IdleTimers timers_;
  VelkXPButton* button_ = nullptr;
};

// One button, configured by `setUp` and put in `look`, drawn into the sheet
// with the pixels outside its window outline left as paper.
void drawCell(Pixels24& sheet, int column, int row, int buttonHeight, Look look,
              const std::function<void(VelkXPButton&)>& setUp) {
  const int cellHeight = buttonHeight + 8;
  const std::unique_ptr<Canvas> canvas = makeCanvas(kButtonWidth, buttonHeight);
  GallerySite site(*canvas, buttonHeight, false);
  VelkXPButton button(site);
  site.attach(&button);
  button.InitProperties();
  button.setCaption("&Apply");
  setUp(button);
  button.Resize();
  button.Show();
  putInLook(button, look);
  const Pixels24 pixels = canvas->readPixels(0, 0, kButtonWidth, buttonHeight);
  const int left = column * kCellWidth + (kCellWidth - kButtonWidth) / 2;
  const int top = row * cellHeight + 4;
  for (int y = 0; y < buttonHeight; ++y) {
    for (int x = 0; x < kButtonWidth; ++x) {
      if (site.region.contains(x, y)) {
        sheet.set(left + x, top + y, pixels.at(x, y));
      }
    }
  }
}

// Rows: the fourteen types; columns: for each scheme, the five looks.
Pixels24 buttonSheet() {
  constexpr int kHeight = 26;
  Pixels24 sheet(4 * 5 * kCellWidth, 14 * (kHeight + 8), kPaper);
  for (int type = 1; type <= 14; ++type) {
    for (int scheme = 1; scheme <= 4; ++scheme) {
      for (int lookIndex = 0; lookIndex < 5; ++lookIndex) {
        drawCell(sheet, (scheme - 1) * 5 + lookIndex, type - 1, kHeight, kAllLooks[lookIndex],
                 [type, scheme](VelkXPButton& button) {
                   button.setButtonType(type);
                   button.setColorScheme(scheme);
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

PicturePtr samplePicture() {
  // A 16 by 16 picture on the default mask colour: a red disc with a dark rim.
  Pixels24 pixels(16, 16, 0xC0C0C0);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const int dx = 2 * x - 15;
      const int dy = 2 * y - 15;
      const int distance = dx * dx + dy * dy;
      if (distance < 144) {
        pixels.set(x, y, distance < 100 ? 0x2020E0 : 0x101060);
      }
    }
  }
  return Picture::bitmap(pixels, "gallery:disc");
}

// Rows: PicturePosition 0 to 4, greyscale, SpecialEffect 1, 2 and 3, type 9;
// columns: the five looks.
Pixels24 pictureSheet() {
  const PicturePtr picture = samplePicture();
  constexpr int kHeight = 40;
  Pixels24 out(5 * kCellWidth, 10 * (kHeight + 8), kPaper);
  const std::vector<std::function<void(VelkXPButton&)>> rows = {
      [](VelkXPButton& b) { b.setPicturePosition(0); },
      [](VelkXPButton& b) { b.setPicturePosition(1); },
      [](VelkXPButton& b) { b.setPicturePosition(2); },
      [](VelkXPButton& b) { b.setPicturePosition(3); },
      [](VelkXPButton& b) { b.setPicturePosition(4); },
      [](VelkXPButton& b) { b.setUseGreyscale(true); },
      [](VelkXPButton& b) { b.setSpecialEffect(1); },
      [](VelkXPButton& b) { b.setSpecialEffect(2); },
      [](VelkXPButton& b) { b.setSpecialEffect(3); },
      [](VelkXPButton& b) { b.setButtonType(9); },
  };
  for (std::size_t row = 0; row < rows.size(); ++row) {
    for (int lookIndex = 0; lookIndex < 5; ++lookIndex) {
      drawCell(out, lookIndex, static_cast<int>(row), kHeight, kAllLooks[lookIndex],
               [&](VelkXPButton& button) {
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

}  // namespace
}  // namespace vorlane

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vorlane_button_gallery <output folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  const std::string extension = vorlane::pngAvailable() ? ".png" : ".bmp";
  bool written = true;
  written =
      vorlane::writeImageFile(folder + "/buttons" + extension, vorlane::buttonSheet()) && written;
  written =
      vorlane::writeImageFile(folder + "/pictures" + extension, vorlane::pictureSheet()) && written;
  if (!written) {
    std::fprintf(stderr, "vorlane_button_gallery: cannot write into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}
