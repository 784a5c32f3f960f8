#pragma once

#include "controls/progressbar/bar_surface.h"
#include "controls/progressbar/picture.h"

namespace vorlane::progressbar {

// A bar surface in memory: it really scales the artwork, so tests check what
// the bar shows pixel by pixel and the gallery saves it as an image.
class PixelSurface final : public BarSurface {
 public:
  PixelSurface(int width, int height);

  void clear() override;
  void stretchCopy(Picture picture, PixelRect source, PixelRect destination) override;

  const PixelImage& image() const { return image_; }
  Rgb pixel(int x, int y) const { return image_.at(x, y); }

 private:
  PixelImage image_;
};

enum class StretchAxis { Horizontal, Vertical };

// Where a stretched copy takes each pixel from: destination pixel `offset` of
// `destinationSize` shows source pixel `result` of `sourceSize` (both counted
// from the rectangles' own origin). This is GDI's StretchBlt in COLORONCOLOR
// mode as measured under Wine 8: enlarging takes the source pixel under the
// destination pixel's centre (the lower one at a tie); shrinking keeps evenly
// spread pixels, counted from the top for rows and from the right for columns.
int stretchSourceOffset(int offset, int sourceSize, int destinationSize, StretchAxis axis);

}  // namespace vorlane::progressbar
