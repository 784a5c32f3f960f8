#include "host/canvas/pixel_canvas.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "host/canvas/text.h"

namespace vorlane {

namespace {

// The quotient to the nearest whole number, a half rounding down: between two
// equally near pixels GDI takes the smaller coordinate (denominator > 0). It is
// (2n - d) / 2d rounded towards positive infinity.
std::int64_t nearestHalfDown(std::int64_t numerator, std::int64_t denominator) {
  const std::int64_t twice = 2 * numerator - denominator;
  return twice / (2 * denominator) + (twice % (2 * denominator) > 0 ? 1 : 0);
}

// Which source pixel destination pixel `offset` of a stretched copy shows, as
// GDI's StretchBlt in COLORONCOLOR mode does it (measured under Wine 8):
// enlarging takes the source pixel under the destination pixel's centre (the
// lower one at a tie); shrinking keeps evenly spread pixels, counted from the
// top for rows and from the right for columns, a single column being the one
// before the last.
std::int64_t stretchedOffset(std::int64_t offset, std::int64_t source, std::int64_t destination,
                             bool columns) {
  if (destination >= source) {
    return ((2 * offset + 1) * source - 1) / (2 * destination);
  }
  if (!columns) {
    return nearestHalfDown(offset * source, destination);
  }
  if (destination == 1) {
    return source - 2;
  }
  return source - 1 - nearestHalfDown((destination - 1 - offset) * source, destination);
}

// GDI orders the corners of a filled rectangle or of an ellipse's box first.
Rect ordered(const Rect& rect) {
  return {std::min(rect.left, rect.right), std::min(rect.top, rect.bottom),
          std::max(rect.left, rect.right), std::max(rect.top, rect.bottom)};
}

// Calls paint(x, y) for each pixel of `area` that lies on `surface`: every
// drawing call clips through here.
template <typename Paint>
void forEachPixelIn(const Rect& area, const Pixels24& surface, Paint paint) {
  for (std::int32_t y = std::max(area.top, 0); y < std::min(area.bottom, surface.height()); ++y) {
    for (std::int32_t x = std::max(area.left, 0); x < std::min(area.right, surface.width()); ++x) {
      paint(x, y);
    }
  }
}

}  // namespace

PixelCanvas::PixelCanvas(std::int32_t width, std::int32_t height, Color background)
    : pixels_(width, height, background) {}

void PixelCanvas::fillRect(const Rect& rect, Color color) {
  forEachPixelIn(ordered(rect), pixels_,
                 [&](std::int32_t x, std::int32_t y) { pixels_.set(x, y, color); });
}

void PixelCanvas::frameRect(const Rect& rect, Color color) {
  // FrameRect draws nothing for an empty or inverted rectangle.
  if (rect.empty()) {
    return;
  }
  fillRect({rect.left, rect.top, rect.right, rect.top + 1}, color);
  fillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
  fillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, color);
  fillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

void PixelCanvas::line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                       Color color) {
  // One pixel per step along the longer axis, the end point left out.
  const std::int64_t dx = std::int64_t{x2} - x1;
  const std::int64_t dy = std::int64_t{y2} - y1;
  const std::int64_t steps = std::max(std::abs(dx), std::abs(dy));
  for (std::int64_t i = 0; i < steps; ++i) {
    setPixel(static_cast<std::int32_t>(x1 + nearestHalfDown(i * dx, steps)),
             static_cast<std::int32_t>(y1 + nearestHalfDown(i * dy, steps)), color);
  }
}

void PixelCanvas::setPixel(std::int32_t x, std::int32_t y, Color color) {
  if (Rect{0, 0, width(), height()}.contains(x, y)) {
    pixels_.set(x, y, color);
  }
}

void PixelCanvas::ellipse(const Rect& rect, Color pen, Color fill) {
  // The two-pixel pen runs along the inside of the bounding rectangle: pixel
  // centres are tested against the outer ellipse and the inner one. An inner
  // radius of zero (a pen as wide as half the ellipse) leaves no interior: the
  // division gives infinity or NaN, never a sum below 1.
  const Rect box = ordered(rect);
  const double cx = (box.left + box.right - 1) / 2.0;
  const double cy = (box.top + box.bottom - 1) / 2.0;
  const double rx = box.width() / 2.0;
  const double ry = box.height() / 2.0;
  const double innerX = std::max(rx - 2.0, 0.0);
  const double innerY = std::max(ry - 2.0, 0.0);
  forEachPixelIn(box, pixels_, [&](std::int32_t x, std::int32_t y) {
    const double ox = (x - cx) / rx;
    const double oy = (y - cy) / ry;
    const double ix = (x - cx) / innerX;
    const double iy = (y - cy) / innerY;
    if (ox * ox + oy * oy <= 1.0) {
      pixels_.set(x, y, ix * ix + iy * iy < 1.0 ? fill : pen);
    }
  });
}

void PixelCanvas::drawText(std::string_view text, const Rect& rect, unsigned flags, Color color,
                           const Font& font) {
  textCalls_.push_back({std::string(text), rect, flags, color, font});
  if (!textAsBoxes_) {
    return;
  }
  // Laid out as FixedTextMeasurer measures it: one box per character cell.
  const std::string shown = (flags & kTextNoPrefix) ? std::string(text) : withoutPrefixes(text);
  const Rect extent = FixedTextMeasurer().measure(text, {0, 0, rect.width(), rect.height()},
                                                  flags | kTextCalcRect, font);
  const int cell = font.bold ? FixedTextMeasurer::kCharWidth + 1 : FixedTextMeasurer::kCharWidth;
  const int lineHeight = FixedTextMeasurer::kLineHeight;
  const int lines = extent.height() / lineHeight;
  const int left = rect.left + ((flags & kTextCenter) ? (rect.width() - extent.width()) / 2 : 0);
  const int top = rect.top + ((flags & kTextVCenter) ? (rect.height() - extent.height()) / 2 : 0);
  for (int row = 0; row < lines; ++row) {
    for (int column = 0; column < extent.width() / cell; ++column) {
      // One line keeps its blanks; wrapped lines show as full rows of boxes.
      if (lines == 1 && shown[static_cast<std::size_t>(column)] == ' ') {
        continue;
      }
      const int x = left + column * cell;
      const int y = top + row * lineHeight;
      fillRect({x + 1, y + 3, x + cell - 1, y + lineHeight - 2}, color);
    }
  }
}

void PixelCanvas::focusRect(const Rect& rect, Color) {
  // Every other pixel of the border inverted, in a checkerboard fixed to the surface.
  forEachPixelIn(rect, pixels_, [&](std::int32_t x, std::int32_t y) {
    const bool border =
        x == rect.left || y == rect.top || x == rect.right - 1 || y == rect.bottom - 1;
    if (border && (x + y) % 2 == 0) {
      pixels_.set(x, y, pixels_.at(x, y) ^ 0xFFFFFFu);
    }
  });
}

Pixels24 PixelCanvas::readPixels(std::int32_t x, std::int32_t y, std::int32_t width,
                                 std::int32_t height) const {
  PixelCanvas copy(width, height);
  copy.writePixels(-x, -y, pixels_);
  return std::move(copy.pixels_);
}

void PixelCanvas::writePixels(std::int32_t x, std::int32_t y, const Pixels24& pixels) {
  forEachPixelIn(Rect::sized(x, y, pixels.width(), pixels.height()), pixels_,
                 [&](std::int32_t column, std::int32_t row) {
                   pixels_.set(column, row, pixels.at(column - x, row - y));
                 });
}

void PixelCanvas::copyFrom(const Canvas& source, std::int32_t sourceX, std::int32_t sourceY,
                           std::int32_t width, std::int32_t height, std::int32_t x,
                           std::int32_t y) {
  // Only pixels that exist in the source are copied.
  const std::int32_t left = std::max(sourceX, 0);
  const std::int32_t top = std::max(sourceY, 0);
  const std::int32_t right = std::min(sourceX + width, source.width());
  const std::int32_t bottom = std::min(sourceY + height, source.height());
  writePixels(x + left - sourceX, y + top - sourceY,
              source.readPixels(left, top, right - left, bottom - top));
}

std::unique_ptr<Canvas> PixelCanvas::createCompatible(std::int32_t width,
                                                      std::int32_t height) const {
  return std::make_unique<PixelCanvas>(width, height);
}

void PixelCanvas::drawPicture(const Picture& picture, std::int32_t x, std::int32_t y) {
  // A bitmap is opaque everywhere.
  const Pixels24& source = picture.pixels();
  forEachPixelIn(Rect::sized(x, y, source.width(), source.height()), pixels_,
                 [&](std::int32_t column, std::int32_t row) {
                   if (picture.opaqueAt(column - x, row - y)) {
                     pixels_.set(column, row, source.at(column - x, row - y));
                   }
                 });
}

void PixelCanvas::stretchPicture(const Picture& picture, const Rect& source,
                                 const Rect& destination) {
  // An empty destination has no rows or no columns to run through.
  if (source.empty()) {
    return;
  }
  const Pixels24& art = picture.pixels();
  forEachPixelIn(destination, pixels_, [&](std::int32_t x, std::int32_t y) {
    const auto sourceX = static_cast<std::int32_t>(
        source.left +
        stretchedOffset(x - destination.left, source.width(), destination.width(), true));
    const auto sourceY =
        static_cast<std::int32_t>(source.top + stretchedOffset(y - destination.top, source.height(),
                                                               destination.height(), false));
    if (Rect{0, 0, art.width(), art.height()}.contains(sourceX, sourceY)) {
      pixels_.set(x, y, art.at(sourceX, sourceY));
    }
  });
}

}  // namespace vorlane
