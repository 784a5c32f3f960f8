// Real GDI and the in-memory canvas the golden pictures are drawn on agree
// pixel for pixel, for every look, the default button and pictures.

#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>

#include "controls/button/gallery/looks.h"
#include "controls/button/tests/button_fixture.h"
#include "host/canvas/win32/gdi_canvas.h"
#include "host/win32/handles.h"

namespace vorlane::testing {
namespace {

// Pixels where GDI differs from the in-memory canvas, leaving out a band
// along the oval's curve, where ellipse rasterisers may differ by a pixel.
int differences(VelkXPButton& button, const PixelCanvas& memory, bool oval) {
  const win32::WindowDc screen(nullptr);
  win32::GdiMemoryCanvas gdi(screen.get(), 75, 23);
  button.paint(gdi);
  const Pixels24 real = gdi.readPixels(0, 0, 75, 23);
  int count = 0;
  for (int y = 0; y < 23; ++y) {
    for (int x = 0; x < 75; ++x) {
      const double radius = std::hypot((x + 0.5) / 37.5 - 1, (y + 0.5) / 11.5 - 1);
      count += real.at(x, y) != memory.at(x, y) && !(oval && radius > 0.7 && radius < 1.3);
    }
  }
  return count;
}

class ButtonGdi : public ButtonTest {};

TEST_F(ButtonGdi, GdiAndPixelCanvasAgree) {
  Pixels24 pixels(16, 16, 0xC0C0C0);
  for (int i = 2; i < 14; ++i) {
    pixels.set(i, i, 0x0000FF), pixels.set(15 - i, i, 0x202020), pixels.set(i, 8, 0xF0F0F0);
  }
  std::vector<bool> opaque(16 * 16, false);
  std::fill(opaque.begin() + 48, opaque.begin() + 208, true);
  const PicturePtr bitmap = Picture::bitmap(pixels), icon = Picture::icon(pixels, opaque);
  // Beyond the plain look, on the System scheme: the default button, and
  // pictures plain and greyscale with a sunken effect.
  const struct {
    bool isDefault;
    PicturePtr picture;
    bool greyscale;
  } variants[] = {{false, nullptr, false}, {true, nullptr, false}, {false, bitmap, false},
                  {false, bitmap, true},   {false, icon, false},   {false, icon, true}};
  for (int type = 1; type <= 14; ++type) {
    for (int scheme = 1; scheme <= 4; ++scheme) {
      for (const Look look : kAllLooks) {
        for (const auto& v : variants) {
          if (scheme != 1 && &v != variants) {
            continue;
          }
          create();
          site->isDefault = v.isDefault;
          button->setCaption("");
          button->setButtonType(ButtonType{type});
          button->setColorScheme(ColorScheme{scheme});
          button->setBackColor(0x40C0F0);
          button->setBackOver(0x90E0A0);
          button->setPictureNormal(v.picture);
          button->setUseGreyscale(v.greyscale);
          button->setUseMaskColor(!v.greyscale);
          button->setSpecialEffect(v.greyscale ? SpecialEffect::kSunken : SpecialEffect::kNone);
          site->mouseInside = look == Look::kHover || look == Look::kPressed;
          putInLook(*button, look);
          EXPECT_EQ(differences(*button, *site->canvas, type == 13), 0)
              << "type " << type << " scheme " << scheme << " look " << static_cast<int>(look)
              << " variant " << (&v - variants);
        }
      }
    }
  }
}

}  // namespace
}  // namespace vorlane::testing
