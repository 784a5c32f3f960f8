#include "controls/progressbar/gallery/render_bar.h"
#include "host/canvas/pixel_canvas.h"

namespace vorlane::progressbar::gallery {

Pixels24 renderBar(int width, int height, int skin, int style, int lastValue) {
  PixelCanvas surface(width, height);
  driveBar(surface, width, height, skin, style, lastValue);
  return surface.pixels();
}

}  // namespace vorlane::progressbar::gallery
