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
  auto clamp = [amount](std::int32_t component) {
    if (amount > 0) {
      return std::min(component, 255);
    }
    if (amount < 0) {
      return std::max(component, 0);
    }
    return component;
  };
  // An amount beyond +-255 could still leave the range the other way; the
  // final mask keeps each component in its own byte whatever comes in.
  red = std::clamp(clamp(red), 0, 255);
  green = std::clamp(clamp(green), 0, 255);
  blue = std::clamp(clamp(blue), 0, 255);
  return rgb(red, green, blue);
}

Color TintColor(Color color, std::int32_t floor) {
  auto tint = [floor](std::int32_t component) {
    return std::clamp(floor + ((255 - floor) * component) / 255, 0, 255);
  };
  return rgb(tint(redOf(color)), tint(greenOf(color)), tint(blueOf(color)));
}

}  // namespace vorlane
