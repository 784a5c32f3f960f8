#pragma once

#include <cstdint>
#include <vector>

namespace vorlane::progressbar {

// One picture of the bar's artwork: the frame `img`, the white eraser `blank`,
// or picture 0, 1 or 2 of one of the eight skins.
struct Picture {
  enum class Kind : std::uint8_t { Frame, Blank, Skin };

  Kind kind = Kind::Frame;
  int skin = 0;   // 0..7, for Kind::Skin only
  int index = 0;  // 0..2, for Kind::Skin only

  static constexpr Picture img() { return {Kind::Frame, 0, 0}; }
  static constexpr Picture blank() { return {Kind::Blank, 0, 0}; }
  static constexpr Picture skinPicture(int skinIndex, int pictureIndex) {
    return {Kind::Skin, skinIndex, pictureIndex};
  }

  friend bool operator==(const Picture& a, const Picture& b) {
    return a.kind == b.kind && a.skin == b.skin && a.index == b.index;
  }
  friend bool operator!=(const Picture& a, const Picture& b) { return !(a == b); }
};

// A rectangle as the stretching picture copy takes it: left, top, width, height
// in pixels (the right and bottom edges, x + width and y + height, are outside).
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const PixelRect& a, const PixelRect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
  }
  friend bool operator!=(const PixelRect& a, const PixelRect& b) { return !(a == b); }
};

// 0x00RRGGBB, which is also the memory layout of a 32-bit top-down DIB on a
// little-endian machine, so the Windows glue copies these pixels unchanged.
using Rgb = std::uint32_t;

constexpr Rgb rgb(int red, int green, int blue) {
  return (static_cast<Rgb>(red & 0xFF) << 16) | (static_cast<Rgb>(green & 0xFF) << 8) |
         static_cast<Rgb>(blue & 0xFF);
}

// A block of pixels, row by row from the top.
struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;

  PixelImage() = default;
  PixelImage(int imageWidth, int imageHeight, Rgb fill)
      : width(imageWidth),
        height(imageHeight),
        pixels(static_cast<std::size_t>(imageWidth) * static_cast<std::size_t>(imageHeight), fill) {
  }

  Rgb at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  Rgb& at(int x, int y) {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

}  // namespace vorlane::progressbar
