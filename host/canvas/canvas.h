#pragma once

#include <memory>
#include <string_view>

#include "host/canvas/font.h"
#include "host/canvas/geometry.h"
#include "host/canvas/picture.h"
#include "host/canvas/pixels24.h"

namespace vorlane {

// A drawing surface with the drawing calls of GDI that the controls use, with
// GDI's rules: rectangles exclude their right and bottom edges, a line leaves
// out its end point, nothing outside the surface is touched. Each call makes and
// releases whatever pens and brushes it needs.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual std::int32_t width() const = 0;
  virtual std::int32_t height() const = 0;

  // FillRect with a solid brush.
  virtual void fillRect(const Rect& rect, Color color) = 0;
  // FrameRect: a one-pixel border just inside the rectangle.
  virtual void frameRect(const Rect& rect, Color color) = 0;
  // MoveToEx + LineTo with a one-pixel solid pen; the end point is not painted.
  virtual void line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                    Color color) = 0;
  virtual void setPixel(std::int32_t x, std::int32_t y, Color color) = 0;
  // Ellipse in the rectangle, outlined with a two-pixel solid pen and filled.
  virtual void ellipse(const Rect& rect, Color pen, Color fill) = 0;
  // DrawText over a transparent background in `color` with the TextFlags given.
  virtual void drawText(std::string_view text, const Rect& rect, unsigned flags, Color color,
                        const Font& font) = 0;
  // DrawFocusRect after the text colour has been set to `textColor`.
  virtual void focusRect(const Rect& rect, Color textColor) = 0;

  // A copy of the pixels at (x, y), `width` by `height` (outside: black).
  virtual Pixels24 readPixels(std::int32_t x, std::int32_t y, std::int32_t width,
                              std::int32_t height) const = 0;
  // SetDIBitsToDevice of a whole buffer at (x, y).
  virtual void writePixels(std::int32_t x, std::int32_t y, const Pixels24& pixels) = 0;
  // BitBlt with SRCCOPY from another surface.
  virtual void copyFrom(const Canvas& source, std::int32_t sourceX, std::int32_t sourceY,
                        std::int32_t width, std::int32_t height, std::int32_t x,
                        std::int32_t y) = 0;
  // An off-screen surface of the same kind (a memory DC with a compatible bitmap).
  virtual std::unique_ptr<Canvas> createCompatible(std::int32_t width,
                                                   std::int32_t height) const = 0;
  // A bitmap is copied at its own size; an icon is drawn at its own default size
  // (DrawIconEx with DI_NORMAL), leaving pixels outside its shape alone.
  virtual void drawPicture(const Picture& picture, std::int32_t x, std::int32_t y) = 0;
  // StretchBlt of a bitmap in COLORONCOLOR mode: `source` scaled to
  // `destination` as a plain copy, whole pixels repeated or dropped, never
  // blended. Source pixels outside the picture leave their destination alone;
  // an empty rectangle draws nothing.
  virtual void stretchPicture(const Picture& picture, const Rect& source,
                              const Rect& destination) = 0;
};

}  // namespace vorlane
