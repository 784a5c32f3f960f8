#pragma once

#include <cstdint>
#include <vector>

#include "host/canvas/geometry.h"

namespace vorlane {

// A 24-bit device-independent pixel buffer in the system's layout: rows stored
// bottom row first, each pixel blue, green, red, each row filled up to a
// multiple of 4 bytes. Coordinates given to at() and set() count from the top.
class Pixels24 {
 public:
  Pixels24() = default;
  Pixels24(std::int32_t width, std::int32_t height, Color fill = 0);

  static std::int32_t stride(std::int32_t width) { return (width * 3 + 3) / 4 * 4; }

  std::int32_t width() const { return width_; }
  std::int32_t height() const { return height_; }
  std::uint8_t* data() { return bytes_.data(); }
  const std::uint8_t* data() const { return bytes_.data(); }
  std::size_t size() const { return bytes_.size(); }

  // Byte offset of the pixel in column x of image row y (0 = top).
  std::size_t offset(std::int32_t x, std::int32_t y) const {
    return static_cast<std::size_t>(height_ - 1 - y) * static_cast<std::size_t>(stride(width_)) +
           static_cast<std::size_t>(x) * 3;
  }
  Color at(std::int32_t x, std::int32_t y) const;
  void set(std::int32_t x, std::int32_t y, Color color);

 private:
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::vector<std::uint8_t> bytes_;
};

}  // namespace vorlane
