#pragma once

#include <cstdint>

#include "controls/button/button_model.h"
#include "host/canvas/region_shape.h"
#include "host/canvas/text.h"

namespace vorlane {

// Where things go on a button of one size: worked out when a property or the
// size changes, read by the painter.
struct ButtonLayout {
  std::int32_t width = 0;
  std::int32_t height = 0;
  // The client area inset by the frame of the type: where the focus rectangle goes.
  Rect inner;
  Rect caption;
  std::int32_t pictureLeft = 0;
  std::int32_t pictureTop = 0;
  std::int32_t pictureWidth = 0;
  std::int32_t pictureHeight = 0;
};

// Lays out caption and picture in `width` by `height` pixels with `font`.
ButtonLayout layOut(const ButtonProperties& properties, const Font& font, std::int32_t width,
                    std::int32_t height, std::int32_t dotsPerInch, const TextMeasurer& measurer);

// The window outline of the type: a few corner pixels cut, or an ellipse.
RegionShape outlineOf(ButtonType type, std::int32_t width, std::int32_t height);

}  // namespace vorlane
