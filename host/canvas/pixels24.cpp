#include "host/canvas/pixels24.h"

#include <algorithm>

namespace vorlane {

Pixels24::Pixels24(std::int32_t width, std::int32_t height, Color fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      bytes_(static_cast<std::size_t>(stride(width_)) * static_cast<std::size_t>(height_), 0) {
  for (std::int32_t y = 0; fill != 0 && y < height_; ++y) {
    for (std::int32_t x = 0; x < width_; ++x) {
      set(x, y, fill);
    }
  }
}

Color Pixels24::at(std::int32_t x, std::int32_t y) const {
  const std::size_t at = offset(x, y);
  return rgb(bytes_[at + 2], bytes_[at + 1], bytes_[at]);
}

void Pixels24::set(std::int32_t x, std::int32_t y, Color color) {
  const std::size_t at = offset(x, y);
  bytes_[at] = static_cast<std::uint8_t>(blueOf(color));
  bytes_[at + 1] = static_cast<std::uint8_t>(greenOf(color));
  bytes_[at + 2] = static_cast<std::uint8_t>(redOf(color));
}

}  // namespace vorlane
