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

  std::uint8_t silhouetteBytes[3] = {0, 0, 0};
  if (options.silhouette > 0) {
    const auto color = static_cast<Color>(options.silhouette);
    silhouetteBytes[0] = static_cast<std::uint8_t>(blueOf(color));
    silhouetteBytes[1] = static_cast<std::uint8_t>(greenOf(color));
    silhouetteBytes[2] = static_cast<std::uint8_t>(redOf(color));
  }
  const std::int64_t mask = options.useMaskColor ? options.mask : -1;
  for (std::int32_t row = 0; row < height; ++row) {
    for (std::int32_t column = 0; column < width; ++column) {
      const std::size_t at = pixels.offset(column, row);
      const std::uint8_t B = pixels.data()[at];
      const std::uint8_t G = pixels.data()[at + 1];
      const std::uint8_t R = pixels.data()[at + 2];
      const std::int64_t v = R + G * 256 + B * 65536;
      if (v == mask) {
        continue;
      }
      std::uint8_t* out = background.data() + at;
      if (options.silhouette >= 0) {
        if (options.darkOnly && R + G + B > 384) {
          continue;
        }
        out[0] = silhouetteBytes[0];
        out[1] = silhouetteBytes[1];
        out[2] = silhouetteBytes[2];
      } else if (options.greyscale) {
        const double weighted = static_cast<double>(roundHalfEven(R * 0.3)) + G * 0.59 + B * 0.11;
        const auto grey = static_cast<std::uint8_t>(roundHalfEven(weighted));
        out[0] = grey;
        out[1] = grey;
        out[2] = grey;
      } else if (!options.blend) {
        out[0] = B;
        out[1] = G;
        out[2] = R;
      } else {
        out[0] = static_cast<std::uint8_t>((2 * B + out[0]) / 3);
        out[1] = static_cast<std::uint8_t>((2 * G + out[1]) / 3);
        out[2] = static_cast<std::uint8_t>((2 * R + out[2]) / 3);
      }
    }
  }
  canvas.writePixels(x, y, background);
}

}  // namespace vorlane
