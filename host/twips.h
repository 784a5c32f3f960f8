#pragma once

#include <cstdint>

#include "host/rounding.h"

namespace vorlane {

// A box in twips, relative to its container, as the layout tables give it.
struct TwipsRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

// Layout lengths are in twips, 1440 to the inch; the screen has `dotsPerInch`
// pixels to the inch (96 gives 15 twips per pixel). Rounded half to even, like
// every conversion of the program.
inline int twipsToPixels(double twips, int dotsPerInch) {
  return static_cast<int>(roundHalfEven(twips * dotsPerInch / 1440.0));
}

// Font heights: points are 1/72 inch.
inline int pointsToPixels(double points, int dotsPerInch) {
  return static_cast<int>(roundHalfEven(points * dotsPerInch / 72.0));
}

}  // namespace vorlane
