#pragma once

#include <windows.h>

#include "host/canvas/canvas.h"
#include "host/canvas/text.h"
#include "host/win32/handles.h"

namespace vorlane::win32 {

// A canvas on a device context it does not own (a paint DC, a window DC, a
// printing DC). Pens and brushes live for one call; the font of the last text
// call is kept until the canvas goes.
class GdiCanvas : public Canvas {
 public:
  GdiCanvas(HDC dc, std::int32_t width, std::int32_t height);
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  HDC dc() const { return dc_; }
  std::int32_t width() const override { return width_; }
  std::int32_t height() const override { return height_; }

  void fillRect(const Rect& rect, Color color) override;
  void frameRect(const Rect& rect, Color color) override;
  void line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
            Color color) override;
  void setPixel(std::int32_t x, std::int32_t y, Color color) override;
  void ellipse(const Rect& rect, Color pen, Color fill) override;
  void drawText(std::string_view text, const Rect& rect, unsigned flags, Color color,
                const Font& font) override;
  void focusRect(const Rect& rect, Color textColor) override;
  Pixels24 readPixels(std::int32_t x, std::int32_t y, std::int32_t width,
                      std::int32_t height) const override;
  void writePixels(std::int32_t x, std::int32_t y, const Pixels24& pixels) override;
  void copyFrom(const Canvas& source, std::int32_t sourceX, std::int32_t sourceY,
                std::int32_t width, std::int32_t height, std::int32_t x, std::int32_t y) override;
  std::unique_ptr<Canvas> createCompatible(std::int32_t width, std::int32_t height) const override;
  void drawPicture(const Picture& picture, std::int32_t x, std::int32_t y) override;
  void stretchPicture(const Picture& picture, const Rect& source, const Rect& destination) override;

 protected:
  void setDc(HDC dc) { dc_ = dc; }
  void setSize(std::int32_t width, std::int32_t height) {
    width_ = width;
    height_ = height;
  }

 private:
  HFONT fontFor(const Font& font);

  HDC dc_;
  std::int32_t width_;
  std::int32_t height_;
  UniqueFont font_;
  Font fontMade_;
};

// An off-screen canvas: a memory DC with a bitmap compatible with another DC.
class GdiMemoryCanvas final : public GdiCanvas {
 public:
  GdiMemoryCanvas(HDC compatibleWith, std::int32_t width, std::int32_t height);

  // A fresh bitmap of the new size in the same format; the old drawing goes.
  void resize(std::int32_t width, std::int32_t height);

 private:
  UniqueMemoryDc memoryDc_;
  UniqueBitmap bitmap_;
  // Puts the DC's own bitmap back before either is deleted.
  SelectGuard selected_;
};

// The GDI font for `font` at the screen's resolution; null only if GDI
// refuses, in which case a control keeps the system font.
UniqueFont createFont(const Font& font);

// Measures text with DrawTextA and DT_CALCRECT on a memory DC of the screen.
class GdiTextMeasurer final : public TextMeasurer {
 public:
  Rect measure(std::string_view text, const Rect& start, unsigned flags,
               const Font& font) const override;
};

}  // namespace vorlane::win32
