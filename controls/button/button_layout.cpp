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

// The picture beside, above or below the caption; centred without a caption,
// and for a position outside the named ones.
void placePicture(const ButtonProperties& p, ButtonLayout& l) {
  const std::int32_t W = l.width;
  const std::int32_t H = l.height;
  const std::int32_t pw = l.pictureWidth;
  const std::int32_t ph = l.pictureHeight;
  if (blankText(p.caption) || p.picturePosition < PicturePosition::kLeft ||
      p.picturePosition > PicturePosition::kBottom) {
    l.pictureLeft = (W - pw) / 2;
    l.pictureTop = (H - ph) / 2;
    return;
  }
  switch (p.picturePosition) {
    case PicturePosition::kLeft:
      l.pictureLeft = l.caption.left - pw - 4;
      l.pictureTop = (H - ph) / 2;
      break;
    case PicturePosition::kRight:
      l.pictureLeft = l.caption.right + 4;
      l.pictureTop = (H - ph) / 2;
      break;
    case PicturePosition::kTop:
      l.pictureLeft = (W - pw) / 2;
      l.pictureTop = l.caption.top - ph - 2;
      break;
    default:
      l.pictureLeft = (W - pw) / 2;
      l.pictureTop = l.caption.bottom + 2;
      break;
  }
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
  // The room the caption is measured in leaves the picture's side free.
  Rect room;
  std::int32_t dx = 0;
  std::int32_t dy = 0;
  switch (p.picturePosition) {
    case PicturePosition::kLeft:
      room = {pw + 1, 1, W - 2, H - 2};
      break;
    case PicturePosition::kRight:
      room = {1, 1, W - 2 - pw, H - 2};
      dx = -pw - 4;
      break;
    case PicturePosition::kTop:
      room = {1, ph + 1, W - 2, H - 2};
      break;
    case PicturePosition::kBottom:
      room = {1, 1, W - 2, H - 2 - ph};
      dy = -ph - 4;
      break;
    default:
      room = {1, 1, W - 2, H - 2};
      break;
  }
  const Rect measured = measurer.measure(p.caption, room, kMeasureFlags, font);
  l.caption = measured.offset((W - measured.right + dx) / 2, (H - measured.bottom + dy) / 2);
  l.pressedCaption = l.caption.offset(1, 1);
  placePicture(p, l);
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
