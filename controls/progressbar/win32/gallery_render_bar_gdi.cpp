#include "controls/progressbar/gallery/render_bar.h"
#include "host/canvas/win32/gdi_canvas.h"

namespace vorlane::progressbar::gallery {

std::unique_ptr<Canvas> barSurface(int width, int height) {
  return std::make_unique<vorlane::win32::GdiMemoryCanvas>(vorlane::win32::WindowDc(nullptr).get(),
                                                           width, height);
}

}  // namespace vorlane::progressbar::gallery
