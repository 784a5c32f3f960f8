#pragma once

#include "controls/progressbar/picture.h"

namespace vorlane::progressbar {

// The colour a cleared bar shows before the frame covers it: the Luna button
// face, so that the frame's rounded corners blend into a form.
constexpr Rgb kBackColour = rgb(0xEC, 0xE9, 0xD8);

// The drawing surface of one progress bar: all the bar ever does to it is clear
// it and copy pictures onto it. Natively a PixelSurface (or a test's recorder),
// on Windows the window's off-screen bitmap.
class BarSurface {
 public:
  virtual ~BarSurface() = default;
  // Fills the whole surface with kBackColour.
  virtual void clear() = 0;
  // Copies `source` of `picture`, scaled to `destination`, as a plain copy
  // (nearest pixel, no blending). Callers pass positive sizes only.
  virtual void stretchCopy(Picture picture, PixelRect source, PixelRect destination) = 0;
};

}  // namespace vorlane::progressbar
