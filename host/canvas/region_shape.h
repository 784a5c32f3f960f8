#pragma once

#include <cstdint>
#include <vector>

#include "host/canvas/geometry.h"

namespace vorlane {

// A window outline described portably: the rectangle (0, 0)-(width, height)
// with single pixels cut away, or the ellipse inscribed in it. The platform
// side turns it into a region and hands that to the window.
struct RegionShape {
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool ellipse = false;
  std::vector<Point> cutPixels;

  // Whether the pixel (x, y) belongs to the outline; for the ellipse, whether
  // its centre lies inside the inscribed ellipse (the platform's rasteriser may
  // differ by a pixel along the curve).
  bool contains(std::int32_t x, std::int32_t y) const;
};

}  // namespace vorlane
