#pragma once

#include <cstdint>

namespace vorlane {

// A colour as the drawing calls take it: red in the low byte, then green, then
// blue (0x00BBGGRR).
using Color = std::uint32_t;

constexpr Color rgb(int red, int green, int blue) {
  return static_cast<Color>(red) | (static_cast<Color>(green) << 8) |
         (static_cast<Color>(blue) << 16);
}
constexpr int redOf(Color color) { return static_cast<int>(color & 0xFF); }
constexpr int greenOf(Color color) { return static_cast<int>((color >> 8) & 0xFF); }
constexpr int blueOf(Color color) { return static_cast<int>((color >> 16) & 0xFF); }

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }
};

// A rectangle in pixels whose right and bottom edges are exclusive.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  // The rectangle of `width` by `height` pixels at (x, y).
  static constexpr Rect sized(std::int32_t x, std::int32_t y, std::int32_t width,
                              std::int32_t height) {
    return {x, y, x + width, y + height};
  }

  std::int32_t width() const { return right - left; }
  std::int32_t height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  Rect offset(std::int32_t dx, std::int32_t dy) const {
    return {left + dx, top + dy, right + dx, bottom + dy};
  }
  Rect inflate(std::int32_t dx, std::int32_t dy) const {
    return {left - dx, top - dy, right + dx, bottom + dy};
  }
  bool contains(std::int32_t x, std::int32_t y) const {
    return x >= left && x < right && y >= top && y < bottom;
  }
  friend bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
};

}  // namespace vorlane
