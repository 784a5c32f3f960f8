#include "controls/progressbar/gallery/render_bar.h"
#include "host/canvas/pixel_canvas.h"

namespace vorlane::progressbar::gallery {

std::unique_ptr<Canvas> barSurface(int width, int height) {
  return std::make_unique<PixelCanvas>(width, height);
}

}  // namespace vorlane::progressbar::gallery
