// Painting of the push button: the repaint rules, the colour cache, the drawing
// primitives, caption layout and styles, focus, outline and background capture.

#include "controls/button/color_math.h"
#include "controls/button/xp_button.h"
#include "host/canvas/text.h"

namespace vorlane {

namespace {

// System colour indexes of the System scheme.
constexpr std::int32_t kColorHighlight = 13;
constexpr std::int32_t kColorBtnFace = 15;
constexpr std::int32_t kColorBtnShadow = 16;
constexpr std::int32_t kColorBtnText = 18;
constexpr std::int32_t kColorBtnHighlight = 20;
constexpr std::int32_t kColor3dDkShadow = 21;
constexpr std::int32_t kColor3dLight = 22;

constexpr unsigned kMeasureFlags = kTextCalcRect | kTextWordBreak;
constexpr unsigned kCaptionFlags = kTextCenter | kTextVCenter | kTextWordBreak;

// Keeps the canvas pointer set for exactly one paint.
class CanvasScope {
 public:
  CanvasScope(Canvas*& slot, Canvas& canvas) : slot_(slot), previous_(slot) { slot_ = &canvas; }
  CanvasScope(const CanvasScope&) = delete;
  CanvasScope& operator=(const CanvasScope&) = delete;
  ~CanvasScope() { slot_ = previous_; }

 private:
  Canvas*& slot_;
  Canvas* previous_;
};

}  // namespace

Color VelkXPButton::ShadeColor(Color color, std::int32_t amount, bool proportionalBlue) const {
  return vorlane::ShadeColor(color, amount, proportionalBlue, SoftBevel_);
}

void VelkXPButton::Repaint(std::uint8_t state, bool force) {
  if (CheckBoxBehaviour_ && Value_) {
    state = StatePressed;
  }
  if (!force && Caption_ == PaintedCaption_ && state == PaintedState_) {
    return;
  }
  if (ClientHeight_ == 0 || !PaintingAllowed_) {
    return;
  }
  PaintedState_ = state;
  PaintedCaption_ = Caption_;
  site_.redrawNow();
}

void VelkXPButton::paint(Canvas& canvas) {
  const CanvasScope scope(canvas_, canvas);
  const std::int32_t W = ClientWidth_;
  const std::int32_t H = ClientHeight_;
  canvas.fillRect({0, 0, W, H}, site_.surfaceBackground());
  // A hovering Custom-scheme button takes its whole palette from BackOver.
  const bool swapFace = Hovering_ && ColorScheme_ == 2;
  const std::uint32_t storedBackColor = BackColor_;
  if (swapFace) {
    BackColor_ = BackOver_;
    ApplyColorScheme();
  }
  DrawBox(0, 0, W, H, colors_.FaceColor, false);
  std::uint8_t pictureState = 0;
  bool drawPicture = true;
  if (!Enabled_) {
    DrawLook(2);
    pictureState = 2;
  } else if (PaintedState_ == StateNormal) {
    DrawLook(0);
    pictureState = 0;
  } else if (PaintedState_ == StatePressed) {
    DrawLook(1);
    pictureState = 1;
  } else {
    drawPicture = false;
  }
  if (drawPicture) {
    DrawPicture(pictureState);
  }
  if (swapFace) {
    BackColor_ = storedBackColor;
    ApplyColorScheme();
  }
}

void VelkXPButton::ApplyColorScheme() {
  SchemeColors& c = colors_;
  switch (ColorScheme_) {
    case 2:
      c.FaceColor = TranslateColor(BackColor_);
      c.TextColor = TranslateColor(ForeColor_);
      c.HoverTextColor = TranslateColor(ForeOver_);
      c.ShadowColor = ShadeColor(c.FaceColor, -64);
      c.LightColor = ShadeColor(c.FaceColor, 31);
      c.HighlightColor = ShadeColor(c.FaceColor, 47);
      c.DarkShadowColor = ShadeColor(c.FaceColor, -192);
      c.AccentColor = ShadeColor(c.FaceColor, -128);
      c.AccentTint = c.FaceColor;
      break;
    case 3:
      c.FaceColor = 0xC0C0C0;
      c.TextColor = 0x000000;
      c.HoverTextColor = 0x000000;
      c.ShadowColor = 0x808080;
      c.LightColor = 0xDFDFDF;
      c.HighlightColor = 0xFFFFFF;
      c.DarkShadowColor = 0x000000;
      c.AccentColor = 0x800000;
      c.AccentTint = 0xD1ADAD;
      break;
    case 4: {
      const ButtonSite::ParentColors parent = site_.parentColors();
      c.FaceColor = parent.background;
      c.TextColor = parent.text;
      c.HoverTextColor = parent.text;
      c.ShadowColor = ShadeColor(c.FaceColor, -64);
      c.LightColor = ShadeColor(c.FaceColor, 31);
      c.HighlightColor = ShadeColor(c.FaceColor, 47);
      c.DarkShadowColor = ShadeColor(c.FaceColor, -192);
      c.AccentColor = site_.systemColor(kColorHighlight);
      c.AccentTint = TintColor(c.AccentColor, 176);
      break;
    }
    default:
      c.FaceColor = site_.systemColor(kColorBtnFace);
      c.TextColor = site_.systemColor(kColorBtnText);
      c.HoverTextColor = site_.systemColor(kColorBtnText);
      c.ShadowColor = site_.systemColor(kColorBtnShadow);
      c.LightColor = site_.systemColor(kColor3dLight);
      c.HighlightColor = site_.systemColor(kColorBtnHighlight);
      c.DarkShadowColor = site_.systemColor(kColor3dDkShadow);
      c.AccentColor = site_.systemColor(kColorHighlight);
      c.AccentTint = TintColor(c.AccentColor, 176);
      break;
  }
  c.MaskRGB = TranslateColor(MaskColor_);
  c.PressedFaceColor = ShadeColor(c.FaceColor, 48, ButtonType_ == 3);
}

void VelkXPButton::DrawBox(std::int32_t left, std::int32_t top, std::int32_t width,
                           std::int32_t height, Color color, bool outlineOnly) {
  const Rect rect{left, top, left + width, top + height};
  if (outlineOnly) {
    canvas_->frameRect(rect, color);
  } else {
    canvas_->fillRect(rect, color);
  }
}

void VelkXPButton::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                            Color color) {
  canvas_->line(x1, y1, x2, y2, color);
}

void VelkXPButton::DrawPixel(std::int32_t x, std::int32_t y, Color color) {
  canvas_->setPixel(x, y, color);
}

void VelkXPButton::DrawBevel(Color outerTopLeft, Color outerBottomRight, Color innerTopLeft,
                             Color innerBottomRight, std::int16_t inset, bool outerOnly) {
  const std::int32_t e = inset < 0 ? -inset : inset;
  const std::int32_t R = ClientWidth_ - 1 + inset;
  const std::int32_t B = ClientHeight_ - 1 + inset;
  DrawLine(e, B, e, e, outerTopLeft);
  DrawLine(e, e, R, e, outerTopLeft);
  DrawLine(R, e, R, B, outerBottomRight);
  DrawLine(R, B, e - 1, B, outerBottomRight);
  if (outerOnly) {
    return;
  }
  DrawLine(e + 1, B - 1, e + 1, e + 1, innerTopLeft);
  DrawLine(e + 1, e + 1, R - 1, e + 1, innerTopLeft);
  DrawLine(R - 1, e + 1, R - 1, B - 1, innerBottomRight);
  DrawLine(R - 1, B - 1, e, B - 1, innerBottomRight);
}

void VelkXPButton::DrawOval(std::int32_t left, std::int32_t top, std::int32_t width,
                            std::int32_t height, Color penColor, Color fillColor) {
  canvas_->ellipse({left, top, left + width, top + height}, penColor, fillColor);
}

void VelkXPButton::DrawFocus() {
  if (ShowFocusRect_ && HasFocus_) {
    canvas_->focusRect(InnerRect_, colors_.TextColor);
  }
}

void VelkXPButton::LayoutContent() {
  const std::int32_t W = ClientWidth_;
  const std::int32_t H = ClientHeight_;
  const std::int32_t pw = PictureWidth_;
  const std::int32_t ph = PictureHeight_;
  switch (PicturePosition_) {
    case 0:
      PressedCaptionRect_ = {pw + 1, 1, W - 2, H - 2};
      break;
    case 1:
      PressedCaptionRect_ = {1, 1, W - 2 - pw, H - 2};
      break;
    case 2:
      PressedCaptionRect_ = {1, ph + 1, W - 2, H - 2};
      break;
    case 3:
      PressedCaptionRect_ = {1, 1, W - 2, H - 2 - ph};
      break;
    case 4:
      PressedCaptionRect_ = {1, 1, W - 2, H - 2};
      break;
    default:
      break;
  }
  const Rect measured =
      site_.textMeasurer().measure(Caption_, PressedCaptionRect_, kMeasureFlags, Font_);
  CaptionRect_ = measured;
  CaptionWidth_ = measured.right - measured.left;
  CaptionHeight_ = measured.bottom - measured.top;
  const std::int32_t R = measured.right;
  const std::int32_t B = measured.bottom;
  std::int32_t dx = 0;
  std::int32_t dy = 0;
  switch (PicturePosition_) {
    case 0:
    case 2:
    case 4:
      dx = (W - R) / 2;
      dy = (H - B) / 2;
      break;
    case 1:
      dx = (W - R - pw - 4) / 2;
      dy = (H - B) / 2;
      break;
    case 3:
      dx = (W - R) / 2;
      dy = (H - B - ph - 4) / 2;
      break;
    default:
      break;
  }
  CaptionRect_ = CaptionRect_.offset(dx, dy);
  PressedCaptionRect_ = CaptionRect_.offset(1, 1);
  LayoutPicture();
}

void VelkXPButton::DrawText(const Rect& rect, Color color) {
  canvas_->drawText(Caption_, rect, kCaptionFlags, color, Font_);
}

void VelkXPButton::DrawCaption(std::uint8_t style) {
  LastCaptionStyle_ = style;
  const SchemeColors& c = colors_;
  switch (style) {
    case 0:
      DrawCaptionEffect(CaptionRect_);
      DrawText(CaptionRect_, c.TextColor);
      break;
    case 1:
      DrawCaptionEffect(CaptionRect_);
      DrawText(CaptionRect_, c.HoverTextColor);
      break;
    case 2:
      DrawCaptionEffect(PressedCaptionRect_);
      DrawText(PressedCaptionRect_, ButtonType_ == 4 ? c.LightColor : c.HoverTextColor);
      break;
    case 3:
      DrawText(PressedCaptionRect_, c.HighlightColor);
      DrawText(CaptionRect_, c.ShadowColor);
      break;
    case 4:
      DrawText(CaptionRect_, c.ShadowColor);
      break;
    case 5:
      DrawText(CaptionRect_, ShadeColor(c.PressedFaceColor, -104, true));
      break;
    case 6:
      DrawText(PressedCaptionRect_, c.HighlightColor);
      DrawText(CaptionRect_, c.FaceColor);
      break;
    case 7:
      DrawText(PressedCaptionRect_, ShadeColor(c.ShadowColor, -50));
      DrawText(CaptionRect_, c.HighlightColor);
      break;
    default:
      break;
  }
}

void VelkXPButton::DrawCaptionEffect(const Rect& rect) {
  if (SpecialEffect_ <= 0) {
    return;
  }
  Color base = colors_.FaceColor;
  if (ButtonType_ == 3 || ButtonType_ == 4 || ButtonType_ == 14) {
    base = colors_.PressedFaceColor;
  } else if (PaintedState_ == StateNormal && Hovering_ && ColorScheme_ != 2 && ButtonType_ == 9) {
    base = colors_.AccentTint;
  }
  const std::int32_t first = SpecialEffect_ == 2 ? 40 : -40;
  DrawText(rect.offset(1, 1), ShadeColor(base, first));
  if (SpecialEffect_ == 1 || SpecialEffect_ == 2) {
    DrawText(rect.offset(-1, -1), ShadeColor(base, -first));
  }
}

void VelkXPButton::BuildRegion() {
  const std::int32_t W = ClientWidth_;
  const std::int32_t H = ClientHeight_;
  RegionShape shape;
  shape.width = W;
  shape.height = H;
  switch (ButtonType_) {
    case 1:
    case 14:
      shape.cutPixels = {{0, H - 1}, {W - 1, 0}, {0, 0}, {W - 1, H - 1}};
      break;
    case 5:
      shape.cutPixels = {{0, H - 1}, {W - 1, 0}};
      break;
    case 3:
    case 4:
      shape.cutPixels = {{0, 0},     {1, 0},         {0, 1},         {W - 2, 0},
                         {W - 1, 0}, {W - 1, 1},     {0, H - 1},     {1, H - 1},
                         {0, H - 2}, {W - 2, H - 1}, {W - 1, H - 1}, {W - 1, H - 2}};
      break;
    case 13:
      shape.ellipse = true;
      break;
    default:
      break;
  }
  WindowRegion_ = std::move(shape);
}

void VelkXPButton::CaptureBackground() {
  CapturingBackground_ = true;
  site_.captureBehind(BackgroundDC_.get(), ClientWidth_, ClientHeight_);
  CapturingBackground_ = false;
}

}  // namespace vorlane
