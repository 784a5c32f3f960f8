#include "controls/button/color_math.h"

#include <algorithm>

namespace vorlane {

Color ShadeColor(Color color, std::int32_t amount, bool proportionalBlue, bool softBevel) {
  if (softBevel) {
    amount /= 2;
  }
  std::int32_t red = redOf(color);
  std::int32_t green = greenOf(color);
  std::int32_t blue = blueOf(color);
  blue = proportionalBlue ? blue + (blue * amount) / 192 : blue + amount;
  red += amount;
  green += amount;
  // Clamped both ways: an amount beyond +-255 cannot spill a component into
  // its neighbour.
  return rgb(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
}

Color TintColor(Color color, std::int32_t floor) {
  auto tint = [floor](std::int32_t component) {
    return std::clamp(floor + ((255 - floor) * component) / 255, 0, 255);
  };
  return rgb(tint(redOf(color)), tint(greenOf(color)), tint(blueOf(color)));
}

}  // namespace vorlane
