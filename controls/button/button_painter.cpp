// The painter: the drawing steps, the caption styles and effects, and the
// picture in each state, all worked from one PaintJob; and the pixel work of pictures.

#include "controls/button/button_painter.h"

#include "controls/button/painter_steps.h"
#include "host/rounding.h"

namespace vorlane {

Painter::Painter(Canvas& canvas, const PaintJob& job)
    : c(job.palette),
      p(job.properties),
      state(job.state),
      W(job.layout.width),
      H(job.layout.height),
      canvas_(canvas),
      job_(job),
      captionLayout_(&job.layout),
      font_(job.properties.font),
      lastStyle_(job.previousStyle) {}

void Painter::edge(Color topLeft, Color bottomRight, std::int32_t inset) {
  const std::int32_t R = W - 1 - inset;
  const std::int32_t B = H - 1 - inset;
  line(inset, B, inset, inset, topLeft);
  line(inset, inset, R, inset, topLeft);
  line(R, inset, R, B, bottomRight);
  line(R, B, inset - 1, B, bottomRight);
}

void Painter::gradient(Color base, std::int32_t k, bool proportional, bool downward) {
  // The step is kept in single precision, as the look was tuned with it.
  const float step = static_cast<float>(k) / static_cast<float>(H);
  for (std::int32_t i = 1; i <= H; ++i) {
    const auto amount = static_cast<std::int32_t>(roundHalfEven(-(static_cast<double>(step) * i)));
    const std::int32_t y = downward ? i : H - i;
    line(0, y, W, y, ShadeColor(base, amount, proportional, p.softBevel));
  }
}

void Painter::corners(Color color) {
  pixel(1, 1, color);
  pixel(1, H - 2, color);
  pixel(W - 2, 1, color);
  pixel(W - 2, H - 2, color);
}

void Painter::focus() {
  if (p.showFocusRect && state.focused) {
    canvas_.focusRect(job_.layout.inner, c.text);
  }
}

void Painter::background() {
  if (p.type == ButtonType::kTransparent && job_.background != nullptr) {
    canvas_.copyFrom(*job_.background, 0, 0, W, H, 0, 0);
  }
}

void Painter::text(const Rect& rect, Color color) {
  canvas_.drawText(p.caption, rect, kTextCenter | kTextVCenter | kTextWordBreak, color, font_);
}

void Painter::caption(CaptionStyle style, Color effectFace) {
  // Per style, in CaptionStyle's order: a copy moved one pixel (if any), then
  // the caption, moved or not, over the effect or not.
  static constexpr struct {
    Color Palette::*copy;
    Color Palette::*color;
    bool moved;
    bool effect;
  } kStyles[] = {
      {nullptr, &Palette::text, false, true},
      {nullptr, &Palette::hoverText, false, true},
      {nullptr, &Palette::hoverText, true, true},
      {&Palette::highlight, &Palette::shadow, false, false},
      {nullptr, &Palette::shadow, false, false},
      {nullptr, &Palette::dimmedText, false, false},
      {&Palette::highlight, &Palette::face, false, false},
      {&Palette::carvedCopy, &Palette::highlight, false, false},
  };
  lastStyle_ = style;
  const auto& steps = kStyles[static_cast<std::size_t>(style)];
  const Rect& normal = captionLayout_->caption;
  const Rect pressed = normal.offset(1, 1);
  if (steps.effect) {
    captionEffect(steps.moved ? pressed : normal, effectFace);
  }
  if (steps.copy != nullptr) {
    text(pressed, c.*steps.copy);
  }
  // The rounded bevel's pressed caption is light on its dark face.
  const bool light = style == CaptionStyle::kPressed && p.type == ButtonType::kRoundedBevel;
  text(steps.moved ? pressed : normal, light ? c.light : c.*steps.color);
}

void Painter::captionEffect(const Rect& rect, Color effectFace) {
  Color base = c.face;
  if (p.type == ButtonType::kXP || p.type == ButtonType::kRoundedBevel ||
      p.type == ButtonType::kGradient) {
    base = effectFace;
  } else if (state.painted == ButtonState::kNormal && state.hovering &&
             p.scheme != ColorScheme::kCustom && p.type == ButtonType::kHotTrack) {
    base = c.accentTint;
  }
  effectCopies(base,
               [this, &rect](std::int32_t d, Color color) { text(rect.offset(d, d), color); });
}

void Painter::blit(const Picture& picture, std::int32_t offset, BlitOptions options) {
  options.mask = c.mask;
  options.useMaskColor = p.useMaskColor;
  options.maskFill = c.mask;
  const ButtonLayout& l = job_.layout;
  blitPicture(canvas_, l.pictureLeft + offset, l.pictureTop + offset, l.pictureWidth,
              l.pictureHeight, picture, options);
}

void Painter::pictureEffect(std::int32_t offset, const Picture& picture) {
  Color base = c.face;
  if (p.type == ButtonType::kXP) {
    base = c.pressedFace;
  } else if (offset == -1 && p.scheme != ColorScheme::kCustom) {
    base = c.accentTint;
  }
  effectCopies(base, [this, offset, &picture](std::int32_t d, Color color) {
    blit(picture, offset + d, {color});
  });
}

void Painter::picture() {
  if (!p.pictureNormal) {
    return;
  }
  const Picture& normal = *p.pictureNormal;
  const Picture* over = p.pictureOver.get();
  const bool hotTrack = p.type == ButtonType::kHotTrack;
  if (!p.enabled) {
    if (p.type == ButtonType::kXP) {
      blit(normal, 1, {-1, false, true});
    } else if (p.type == ButtonType::kFlatFramed || p.type == ButtonType::kSoftBevel || hotTrack) {
      blit(normal, 0, {hotTrack ? shade(c.shadow, 13) : c.shadow, true});
    } else {
      blit(normal, 1, {c.highlight, true});
      blit(normal, 0, {c.shadow, true});
    }
  } else if (state.painted == ButtonState::kPressed) {
    const std::int32_t offset = p.type == ButtonType::kFlatFramed || hotTrack ? 0 : 1;
    if (over != nullptr && !hotTrack) {
      blit(*over, offset);
    } else {
      pictureEffect(offset, normal);
      blit(normal, offset);
    }
  } else if (!state.hovering) {
    pictureEffect(0, normal);
    blit(normal, 0, {-1, false, p.useGreyscale, hotTrack});
  } else if (hotTrack) {
    pictureEffect(-1, normal);
    blit(normal, 1, {c.shadow});
    blit(normal, -1);
  } else {
    const Picture& shown = over != nullptr ? *over : normal;
    pictureEffect(0, shown);
    blit(shown, 0);
  }
  if (p.picturePosition == PicturePosition::kCentre) {
    caption(lastStyle_);
  }
}

void blitPicture(Canvas& canvas, std::int32_t x, std::int32_t y, std::int32_t width,
                 std::int32_t height, const Picture& picture, const BlitOptions& options) {
  if (width <= 0 || height <= 0) {
    return;
  }
  // The picture on a surface of its own: a bitmap as it is, anything else as an
  // icon over a square of the mask colour.
  const std::unique_ptr<Canvas> source = canvas.createCompatible(width, height);
  if (picture.type() != PictureType::kBitmap) {
    source->fillRect({0, 0, width, height}, options.maskFill);
  }
  source->drawPicture(picture, 0, 0);
  Pixels24 background = canvas.readPixels(x, y, width, height);
  const Pixels24 pixels = source->readPixels(0, 0, width, height);
  const std::int64_t mask = options.useMaskColor ? options.mask : -1;
  for (std::int32_t row = 0; row < height; ++row) {
    for (std::int32_t column = 0; column < width; ++column) {
      const Color color = pixels.at(column, row);
      const int R = redOf(color);
      const int G = greenOf(color);
      const int B = blueOf(color);
      if (color == mask || (options.silhouette >= 0 && options.darkOnly && R + G + B > 384)) {
        continue;
      }
      Color out = color;
      if (options.silhouette >= 0) {
        out = static_cast<Color>(options.silhouette);
      } else if (options.greyscale) {
        const double weighted = static_cast<double>(roundHalfEven(R * 0.3)) + G * 0.59 + B * 0.11;
        const auto grey = static_cast<int>(roundHalfEven(weighted));
        out = rgb(grey, grey, grey);
      } else if (options.blend) {
        const Color under = background.at(column, row);
        out = rgb((2 * R + redOf(under)) / 3, (2 * G + greenOf(under)) / 3,
                  (2 * B + blueOf(under)) / 3);
      }
      background.set(column, row, out);
    }
  }
  canvas.writePixels(x, y, background);
}

CaptionStyle paintButton(Canvas& canvas, const PaintJob& job) {
  Painter painter(canvas, job);
  painter.fill(0, 0, painter.W, painter.H, job.palette.face);
  if (const Look* look = lookOf(job.properties.type)) {
    if (!job.properties.enabled) {
      look->disabled(painter);
    } else if (job.state.painted == ButtonState::kPressed) {
      look->pressed(painter);
    } else {
      look->normal(painter);
    }
  }
  painter.picture();
  return painter.lastStyle();
}

}  // namespace vorlane
