#pragma once

#include <string>
#include <vector>

#include "host/canvas/canvas.h"
#include "host/canvas/pixels24.h"

namespace vorlane {

// A canvas in memory that draws every primitive exactly as GDI does, except
// glyphs: text is recorded, so tests can check what text went where in which
// colour, and drawn only on request, as a box per character cell of
// FixedTextMeasurer (golden pictures show where captions went).
class PixelCanvas final : public Canvas {
 public:
  struct TextCall {
    std::string text;
    Rect rect;
    unsigned flags = 0;
    Color color = 0;
    Font font;
  };

  PixelCanvas(std::int32_t width, std::int32_t height, Color background = 0);

  std::int32_t width() const override { return pixels_.width(); }
  std::int32_t height() const override { return pixels_.height(); }

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

  Color at(std::int32_t x, std::int32_t y) const { return pixels_.at(x, y); }
  const Pixels24& pixels() const { return pixels_; }
  const std::vector<TextCall>& textCalls() const { return textCalls_; }
  void clearTextCalls() { textCalls_.clear(); }
  void setTextAsBoxes(bool boxes) { textAsBoxes_ = boxes; }

 private:
  Pixels24 pixels_;
  std::vector<TextCall> textCalls_;
  bool textAsBoxes_ = false;
};

}  // namespace vorlane
