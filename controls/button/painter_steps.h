#pragma once

// The drawing steps the fourteen looks are made of, for button_painter.cpp
// and button_looks.cpp only.

#include "controls/button/button_painter.h"

namespace vorlane {

class Painter {
 public:
  Painter(Canvas& canvas, const PaintJob& job);

  const Palette& c;
  const ButtonProperties& p;
  const VisualState& state;
  const std::int32_t W;
  const std::int32_t H;
  bool hovering() const { return state.hovering; }

  Color shade(Color color, std::int32_t amount) const {
    return ShadeColor(color, amount, false, p.softBevel);
  }
  Color shadeP(Color color, std::int32_t amount) const {
    return ShadeColor(color, amount, true, p.softBevel);
  }

  void fill(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Color color) {
    canvas_.fillRect({x, y, x + w, y + h}, color);
  }
  void frame(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h, Color color) {
    canvas_.frameRect({x, y, x + w, y + h}, color);
  }
  void line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Color color) {
    canvas_.line(x1, y1, x2, y2, color);
  }
  void pixel(std::int32_t x, std::int32_t y, Color color) { canvas_.setPixel(x, y, color); }
  // One outline of the client area, moved in by `inset` pixels.
  void edge(Color topLeft, Color bottomRight, std::int32_t inset = 0);
  // Two outlines, the inner one a pixel further in.
  void bevel(Color outerTopLeft, Color outerBottomRight, Color innerTopLeft, Color innerBottomRight,
             std::int32_t inset = 0) {
    edge(outerTopLeft, outerBottomRight, inset);
    edge(innerTopLeft, innerBottomRight, inset + 1);
  }
  void oval(Color pen, Color fill) { canvas_.ellipse({0, 0, W, H}, pen, fill); }
  // Rows of `base` shaded by up to -k, from top to bottom or the other way.
  void gradient(Color base, std::int32_t k, bool proportional, bool downward);
  void corners(Color color);
  void focus();
  // The caption in `style`; its effect copies shade `effectFace` on the looks
  // that take the pressed face (type 4 pressed gives its own).
  void caption(CaptionStyle style, Color effectFace);
  void caption(CaptionStyle style) { caption(style, c.pressedFace); }
  // The caption's hover style while hovering, else its normal one; `bold` for
  // type 14's default caption.
  void hoverCaption(bool bold = false) {
    captionLayout_ = bold ? &job_.boldLayout : &job_.layout;
    font_.bold = bold || p.font.bold;
    caption(hovering() ? CaptionStyle::kHover : CaptionStyle::kNormal);
    captionLayout_ = &job_.layout;
    font_.bold = p.font.bold;
  }
  // Plain text: no style, no effect.
  void text(const Rect& rect, Color color);
  // What lies behind a see-through button (type 11 only).
  void background();
  const Rect& captionRect() const { return captionLayout_->caption; }

  void picture();
  CaptionStyle lastStyle() const { return lastStyle_; }

 private:
  // The effect's copies of the caption or picture, drawn by `draw` (offset,
  // colour): one moved down and right, and for raised and sunken one moved up and left.
  template <typename Draw>
  void effectCopies(Color base, Draw draw) {
    if (p.effect <= SpecialEffect::kNone) {
      return;
    }
    const std::int32_t first = p.effect == SpecialEffect::kSunken ? 40 : -40;
    draw(1, shade(base, first));
    if (p.effect == SpecialEffect::kRaised || p.effect == SpecialEffect::kSunken) {
      draw(-1, shade(base, -first));
    }
  }
  void captionEffect(const Rect& rect, Color effectFace);
  void pictureEffect(std::int32_t offset, const Picture& picture);
  // Draws `picture` at its place in the layout moved `offset` pixels down and right.
  void blit(const Picture& picture, std::int32_t offset, BlitOptions options = {});

  Canvas& canvas_;
  const PaintJob& job_;
  const ButtonLayout* captionLayout_;
  Font font_;
  CaptionStyle lastStyle_;
};

// One look: its disabled, pressed and normal drawing steps.
struct Look {
  void (*disabled)(Painter&);
  void (*pressed)(Painter&);
  void (*normal)(Painter&);
};
// The look of `type`, or null for a type that shows only the face.
const Look* lookOf(ButtonType type);

}  // namespace vorlane
