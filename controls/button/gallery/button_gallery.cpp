// Renders every look of the push button into image files for the README:
// buttons.png (all fourteen types in the four colour schemes, each normal,
// hover, pressed, disabled and focused) and pictures.png (a picture at every
// PicturePosition, greyscale, disabled and with each SpecialEffect).
//
//   vorlane_button_gallery <output folder>
//
// On Windows the buttons are drawn with real GDI, text included; elsewhere on
// the in-memory canvas, with a box for every character.

#include <cstdio>
#include <string>

#include "controls/button/gallery/sheets.h"
#include "host/canvas/image_file.h"

#ifdef _WIN32
#include "host/canvas/win32/gdi_canvas.h"
#endif

namespace {

vorlane::gallery::Surface surface() {
#ifdef _WIN32
  static const vorlane::win32::GdiTextMeasurer measurer;
  return {[](std::int32_t width, std::int32_t height) -> std::unique_ptr<vorlane::Canvas> {
            static HDC screen = ::GetDC(nullptr);
            return std::make_unique<vorlane::win32::GdiMemoryCanvas>(screen, width, height);
          },
          &measurer};
#else
  return vorlane::gallery::pixelSurface();
#endif
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vorlane_button_gallery <output folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  const std::string extension = vorlane::pngAvailable() ? ".png" : ".bmp";
  const vorlane::gallery::Surface drawing = surface();
  // Both files are written even when the first cannot be.
  const bool buttons = vorlane::writeImageFile(
      folder + "/buttons" + extension, vorlane::gallery::buttonSheet(drawing, {1, 2, 3, 4}, false));
  const bool pictures = vorlane::writeImageFile(folder + "/pictures" + extension,
                                                vorlane::gallery::pictureSheet(drawing));
  if (!buttons || !pictures) {
    std::fprintf(stderr, "vorlane_button_gallery: cannot write into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}
