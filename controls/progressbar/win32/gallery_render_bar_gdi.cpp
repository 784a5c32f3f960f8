#include "controls/progressbar/gallery/render_bar.h"
#include "controls/progressbar/win32/gdi_bar_surface.h"

namespace vorlane::progressbar::gallery {

// The Windows gallery draws with GDI itself, the surface the window uses.
PixelImage renderBar(int width, int height, int skin, int style, int lastValue) {
  win32::GdiBarSurface surface;
  surface.resize(width, height);
  driveBar(surface, width, height, skin, style, lastValue);
  return surface.pixels();
}

}  // namespace vorlane::progressbar::gallery
