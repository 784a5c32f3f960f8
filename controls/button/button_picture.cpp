// The pixel work of pictures on 24-bit buffers.

#include <cstdint>

#include "controls/button/button_painter.h"
#include "host/rounding.h"

namespace vorlane {

void blitPicture(Canvas& canvas, std::int32_t x, std::int32_t y, std::int32_t width,
                 std::int32_t height, const Picture& picture, const BlitOptions& options) {
  if (width <= 0 || height <= 0) {
    return;
  }
  // The picture on a surface of its own: a bitmap as it is, anything else as an
  // icon over a square of the mask colour.
  const std::unique_ptr<Canvas> source = canvas.createCompatible(width, height);
  if (picture.type() != PictureType::kBitmap) {
    source->fillRect({0, 0, width, height}, options.maskFill);
  }
  source->drawPicture(picture, 0, 0);
  Pixels24 background = canvas.readPixels(x, y, width, height);
  const Pixels24 pixels = source->readPixels(0, 0, width, height);
  const std::int64_t mask = options.useMaskColor ? options.mask : -1;
  for (std::int32_t row = 0; row < height; ++row) {
    for (std::int32_t column = 0; column < width; ++column) {
      const Color color = pixels.at(column, row);
      const int R = redOf(color);
      const int G = greenOf(color);
      const int B = blueOf(color);
      if (color == mask || (options.silhouette >= 0 && options.darkOnly && R + G + B > 384)) {
        continue;
      }
      Color out = color;
      if (options.silhouette >= 0) {
        out = static_cast<Color>(options.silhouette);
      } else if (options.greyscale) {
        const double weighted = static_cast<double>(roundHalfEven(R * 0.3)) + G * 0.59 + B * 0.11;
        const auto grey = static_cast<int>(roundHalfEven(weighted));
        out = rgb(grey, grey, grey);
      } else if (options.blend) {
        const Color under = background.at(column, row);
        out = rgb((2 * R + redOf(under)) / 3, (2 * G + greenOf(under)) / 3,
                  (2 * B + blueOf(under)) / 3);
      }
      background.set(column, row, out);
    }
  }
  canvas.writePixels(x, y, background);
}

}  // namespace vorlane
