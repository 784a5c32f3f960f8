#include "controls/progressbar/gallery/render_bar.h"
#include "host/canvas/win32/gdi_canvas.h"

namespace vorlane::progressbar::gallery {

// The Windows gallery draws with GDI itself, on the kind of surface the window uses.
Pixels24 renderBar(int width, int height, int skin, int style, int lastValue) {
  const win32::WindowDc screen(nullptr);
  win32::GdiMemoryCanvas surface(screen.get(), width, height);
  driveBar(surface, width, height, skin, style, lastValue);
  return surface.readPixels(0, 0, width, height);
}

}  // namespace vorlane::progressbar::gallery
