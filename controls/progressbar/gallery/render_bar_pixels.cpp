#include "controls/progressbar/gallery/render_bar.h"
#include "controls/progressbar/pixel_surface.h"

namespace vorlane::progressbar::gallery {

PixelImage renderBar(int width, int height, int skin, int style, int lastValue) {
  PixelSurface surface(width, height);
  driveBar(surface, width, height, skin, style, lastValue);
  return surface.image();
}

}  // namespace vorlane::progressbar::gallery
