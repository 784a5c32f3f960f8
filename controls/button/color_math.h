#pragma once

#include <cstdint>

#include "host/canvas/geometry.h"

namespace vorlane {

// Lightens (positive amount) or darkens (negative) an RGB colour by adding the
// amount to each component, clamped to 0..255. A soft bevel halves the amount.
// With proportionalBlue the blue component moves by blue * amount / 192
// instead, which keeps bluish faces from washing out.
Color ShadeColor(Color color, std::int32_t amount, bool proportionalBlue, bool softBevel);

// Squeezes every component into floor..255: a pale version of the colour.
Color TintColor(Color color, std::int32_t floor);

}  // namespace vorlane
