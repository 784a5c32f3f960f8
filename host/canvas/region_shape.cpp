#include "host/canvas/region_shape.h"

#include <algorithm>

namespace vorlane {

bool RegionShape::contains(std::int32_t x, std::int32_t y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) {
    return false;
  }
  if (ellipse) {
    const double rx = width / 2.0;
    const double ry = height / 2.0;
    const double ox = (x + 0.5 - rx) / rx;
    const double oy = (y + 0.5 - ry) / ry;
    return ox * ox + oy * oy <= 1.0;
  }
  return std::find(cutPixels.begin(), cutPixels.end(), Point{x, y}) == cutPixels.end();
}

}  // namespace vorlane
