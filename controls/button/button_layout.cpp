#include "controls/button/button_layout.h"

#include "host/rounding.h"

namespace vorlane {

namespace {

constexpr unsigned kMeasureFlags = kTextCalcRect | kTextWordBreak;

bool blankText(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

Rect innerRect(ButtonType type, std::int32_t width, std::int32_t height) {
  const Rect client{0, 0, width, height};
  if (type >= ButtonType::kThinEdge && type <= ButtonType::kOval) {
    return client.inflate(-3, -3);
  }
  if (type == ButtonType::kGradient) {
    return client.inflate(-5, -5).offset(1, 1);
  }
  return client.inflate(-4, -4);
}

}  // namespace

ButtonLayout layOut(const ButtonProperties& p, const Font& font, std::int32_t width,
                    std::int32_t height, std::int32_t dotsPerInch, const TextMeasurer& measurer) {
  ButtonLayout l;
  l.width = width;
  l.height = height;
  l.inner = innerRect(p.type, width, height);
  if (p.pictureNormal) {
    l.pictureWidth = himetricToPixels(p.pictureNormal->widthHimetric(), dotsPerInch);
    l.pictureHeight = himetricToPixels(p.pictureNormal->heightHimetric(), dotsPerInch);
  }
  const std::int32_t W = width;
  const std::int32_t H = height;
  const std::int32_t pw = l.pictureWidth;
  const std::int32_t ph = l.pictureHeight;
  const PicturePosition at = p.picturePosition;
  // The room the caption is measured in leaves the picture's side free.
  const Rect room{at == PicturePosition::kLeft ? pw + 1 : 1,
                  at == PicturePosition::kTop ? ph + 1 : 1,
                  W - 2 - (at == PicturePosition::kRight ? pw : 0),
                  H - 2 - (at == PicturePosition::kBottom ? ph : 0)};
  const std::int32_t dx = at == PicturePosition::kRight ? -pw - 4 : 0;
  const std::int32_t dy = at == PicturePosition::kBottom ? -ph - 4 : 0;
  const Rect measured = measurer.measure(p.caption, room, kMeasureFlags, font);
  l.caption = measured.offset((W - measured.right + dx) / 2, (H - measured.bottom + dy) / 2);
  // The picture beside, above or below the caption; centred without a caption,
  // and for a position outside the named ones.
  const PicturePosition side = blankText(p.caption) ? PicturePosition::kCentre : at;
  l.pictureLeft = side == PicturePosition::kLeft    ? l.caption.left - pw - 4
                  : side == PicturePosition::kRight ? l.caption.right + 4
                                                    : (W - pw) / 2;
  l.pictureTop = side == PicturePosition::kTop      ? l.caption.top - ph - 2
                 : side == PicturePosition::kBottom ? l.caption.bottom + 2
                                                    : (H - ph) / 2;
  return l;
}

RegionShape outlineOf(ButtonType type, std::int32_t W, std::int32_t H) {
  RegionShape shape;
  shape.width = W;
  shape.height = H;
  switch (type) {
    case ButtonType::kBevelFramed:
    case ButtonType::kGradient:
      shape.cutPixels = {{0, H - 1}, {W - 1, 0}, {0, 0}, {W - 1, H - 1}};
      break;
    case ButtonType::kFlatFramed:
      shape.cutPixels = {{0, H - 1}, {W - 1, 0}};
      break;
    case ButtonType::kXP:
    case ButtonType::kRoundedBevel:
      shape.cutPixels = {{0, 0},     {1, 0},         {0, 1},         {W - 2, 0},
                         {W - 1, 0}, {W - 1, 1},     {0, H - 1},     {1, H - 1},
                         {0, H - 2}, {W - 2, H - 1}, {W - 1, H - 1}, {W - 1, H - 2}};
      break;
    case ButtonType::kOval:
      shape.ellipse = true;
      break;
    default:
      break;
  }
  return shape;
}

}  // namespace vorlane
