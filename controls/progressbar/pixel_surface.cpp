#include "controls/progressbar/pixel_surface.h"

#include <algorithm>
#include <cstdint>

#include "controls/progressbar/artwork.h"

namespace vorlane::progressbar {

PixelSurface::PixelSurface(int width, int height)
    : image_(std::max(width, 0), std::max(height, 0), kBackColour) {}

void PixelSurface::clear() { std::fill(image_.pixels.begin(), image_.pixels.end(), kBackColour); }

namespace {

// Integer division rounding towards positive infinity.
std::int64_t divideUp(std::int64_t numerator, std::int64_t denominator) {
  return numerator >= 0 ? (numerator + denominator - 1) / denominator
                        : -((-numerator) / denominator);
}

// The source pixel a shrinking copy keeps for destination pixel `offset`,
// counted from the side the copy starts at.
std::int64_t keptPixel(std::int64_t offset, std::int64_t source, std::int64_t destination) {
  return divideUp(2 * offset * source - destination, 2 * destination);
}

}  // namespace

int stretchSourceOffset(int offset, int sourceSize, int destinationSize, StretchAxis axis) {
  const std::int64_t d = offset;
  const std::int64_t n = sourceSize;
  const std::int64_t m = destinationSize;
  if (m > n) {
    return static_cast<int>(((2 * d + 1) * n - 1) / (2 * m));
  }
  if (m == n) {
    return offset;
  }
  if (axis == StretchAxis::Vertical) {
    return static_cast<int>(keptPixel(d, n, m));
  }
  // Columns are counted from the right; a single column is the one before
  // the last.
  if (m == 1) {
    return static_cast<int>(n - 2);
  }
  return static_cast<int>(n - 1 - keptPixel(m - 1 - d, n, m));
}

void PixelSurface::stretchCopy(Picture picture, PixelRect source, PixelRect destination) {
  if (source.width <= 0 || source.height <= 0 || destination.width <= 0 ||
      destination.height <= 0) {
    return;
  }
  const PixelImage& art = artworkPicture(picture);
  // Only the part of the destination that lies on the surface is drawn, and a
  // source pixel outside the picture leaves its destination pixel as it was.
  const int firstX = std::max(destination.x, 0);
  const int firstY = std::max(destination.y, 0);
  const int endX = static_cast<int>(std::min<std::int64_t>(
      static_cast<std::int64_t>(destination.x) + destination.width, image_.width));
  const int endY = static_cast<int>(std::min<std::int64_t>(
      static_cast<std::int64_t>(destination.y) + destination.height, image_.height));
  for (int y = firstY; y < endY; ++y) {
    const int sourceY = source.y + stretchSourceOffset(y - destination.y, source.height,
                                                       destination.height, StretchAxis::Vertical);
    if (sourceY < 0 || sourceY >= art.height) {
      continue;
    }
    for (int x = firstX; x < endX; ++x) {
      const int sourceX =
          source.x + stretchSourceOffset(x - destination.x, source.width, destination.width,
                                         StretchAxis::Horizontal);
      if (sourceX >= 0 && sourceX < art.width) {
        image_.at(x, y) = art.at(sourceX, sourceY);
      }
    }
  }
}

}  // namespace vorlane::progressbar
