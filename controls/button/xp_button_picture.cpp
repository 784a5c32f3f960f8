// Pictures on the push button: size, place, which picture is drawn how in each
// state, the effect copies, and the pixel compositing on 24-bit buffers.

#include <cstdint>

#include "controls/button/xp_button.h"
#include "host/rounding.h"

namespace vorlane {

namespace {

std::string trimmedBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void VelkXPButton::PreparePicture() {
  if (!PictureNormal_) {
    PictureWidth_ = 0;
    PictureHeight_ = 0;
    return;
  }
  PictureWidth_ = himetricToPixels(PictureNormal_->widthHimetric(), site_.dotsPerInch());
  PictureHeight_ = himetricToPixels(PictureNormal_->heightHimetric(), site_.dotsPerInch());
}

void VelkXPButton::LayoutPicture() {
  if (!PictureNormal_ && !PictureOver_) {
    return;
  }
  const std::int32_t W = ClientWidth_;
  const std::int32_t H = ClientHeight_;
  const std::int32_t pw = PictureWidth_;
  const std::int32_t ph = PictureHeight_;
  if (trimmedBlanks(Caption_).empty() || PicturePosition_ == 4) {
    PictureLeft_ = (W - pw) / 2;
    PictureTop_ = (H - ph) / 2;
    return;
  }
  switch (PicturePosition_) {
    case 0:
      PictureLeft_ = CaptionRect_.left - pw - 4;
      PictureTop_ = (H - ph) / 2;
      break;
    case 1:
      PictureLeft_ = CaptionRect_.right + 4;
      PictureTop_ = (H - ph) / 2;
      break;
    case 2:
      PictureLeft_ = (W - pw) / 2;
      PictureTop_ = CaptionRect_.top - ph - 2;
      break;
    case 3:
      PictureLeft_ = (W - pw) / 2;
      PictureTop_ = CaptionRect_.bottom + 2;
      break;
    default:
      break;
  }
}

void VelkXPButton::DrawPicture(std::uint8_t pictureState) {
  if (!PictureNormal_) {
    return;
  }
  Canvas& canvas = *canvas_;
  const Picture& normal = *PictureNormal_;
  const std::int64_t mask = colors_.MaskRGB;
  auto plain = [&](const Picture& picture, std::int32_t dx, std::int32_t dy) {
    BlitPicture(canvas, PictureLeft_ + dx, PictureTop_ + dy, PictureWidth_, PictureHeight_, picture,
                mask, -1, false, false, false);
  };
  auto silhouette = [&](Color color, std::int32_t dx, std::int32_t dy, bool darkOnly) {
    BlitPicture(canvas, PictureLeft_ + dx, PictureTop_ + dy, PictureWidth_, PictureHeight_, normal,
                mask, color, darkOnly, false, false);
  };
  if (pictureState == 0) {
    if (!Hovering_) {
      DrawPictureEffect(0, normal);
      BlitPicture(canvas, PictureLeft_, PictureTop_, PictureWidth_, PictureHeight_, normal, mask,
                  -1, false, UseGreyscale_, ButtonType_ == 9);
    } else if (ButtonType_ == 9) {
      DrawPictureEffect(-1, normal);
      silhouette(colors_.ShadowColor, 1, 1, false);
      plain(normal, -1, -1);
    } else if (PictureOver_) {
      DrawPictureEffect(0, *PictureOver_);
      plain(*PictureOver_, 0, 0);
    } else {
      DrawPictureEffect(0, normal);
      plain(normal, 0, 0);
    }
  } else if (pictureState == 1) {
    if (PictureOver_ && ButtonType_ != 9) {
      const std::int32_t k = ButtonType_ == 5 ? 0 : 1;
      plain(*PictureOver_, k, k);
    } else if (ButtonType_ != 5 && ButtonType_ != 9) {
      DrawPictureEffect(1, normal);
      plain(normal, 1, 1);
    } else {
      DrawPictureEffect(0, normal);
      plain(normal, 0, 0);
    }
  } else if (pictureState == 2) {
    if (ButtonType_ == 3) {
      BlitPicture(canvas, PictureLeft_ + 1, PictureTop_ + 1, PictureWidth_, PictureHeight_, normal,
                  mask, -1, false, true, false);
    } else if (ButtonType_ == 5 || ButtonType_ == 6 || ButtonType_ == 9) {
      silhouette(ButtonType_ == 9 ? ShadeColor(colors_.ShadowColor, 13) : colors_.ShadowColor, 0, 0,
                 true);
    } else {
      silhouette(colors_.HighlightColor, 1, 1, true);
      silhouette(colors_.ShadowColor, 0, 0, true);
    }
  }
  if (PicturePosition_ == 4) {
    DrawCaption(LastCaptionStyle_);
  }
}

void VelkXPButton::DrawPictureEffect(std::int32_t offset, const Picture& picture) {
  if (SpecialEffect_ <= 0) {
    return;
  }
  Color base = colors_.FaceColor;
  if (ButtonType_ == 3) {
    base = colors_.PressedFaceColor;
  } else if (offset == -1 && ColorScheme_ != 2) {
    base = colors_.AccentTint;
  }
  const std::int32_t first = SpecialEffect_ == 2 ? 40 : -40;
  BlitPicture(*canvas_, PictureLeft_ + offset + 1, PictureTop_ + offset + 1, PictureWidth_,
              PictureHeight_, picture, colors_.MaskRGB, ShadeColor(base, first), false, false,
              false);
  if (SpecialEffect_ >= 3) {
    return;
  }
  BlitPicture(*canvas_, PictureLeft_ + offset - 1, PictureTop_ + offset - 1, PictureWidth_,
              PictureHeight_, picture, colors_.MaskRGB, ShadeColor(base, -first), false, false,
              false);
}

void VelkXPButton::BlitPicture(Canvas& canvas, std::int32_t x, std::int32_t y, std::int32_t width,
                               std::int32_t height, const Picture& picture, std::int64_t mask,
                               std::int64_t silhouette, bool darkOnly, bool greyscale,
                               bool blend) const {
  if (width == 0 || height == 0) {
    return;
  }
  if (width < 0) {
    width = himetricToPixels(picture.widthHimetric(), site_.dotsPerInch());
  }
  if (height < 0) {
    height = himetricToPixels(picture.heightHimetric(), site_.dotsPerInch());
  }
  if (width <= 0 || height <= 0) {
    return;
  }
  // The picture on a surface of its own: a bitmap as it is, anything else as an
  // icon over a square of the mask colour.
  const std::unique_ptr<Canvas> source = canvas.createCompatible(width, height);
  if (picture.type() != PictureType::kBitmap) {
    source->fillRect({0, 0, width, height}, colors_.MaskRGB);
  }
  source->drawPicture(picture, 0, 0);
  Pixels24 background = canvas.readPixels(x, y, width, height);
  const Pixels24 pixels = source->readPixels(0, 0, width, height);

  std::uint8_t silhouetteBytes[3] = {0, 0, 0};
  if (silhouette > 0) {
    const auto color = static_cast<Color>(silhouette);
    silhouetteBytes[0] = static_cast<std::uint8_t>(blueOf(color));
    silhouetteBytes[1] = static_cast<std::uint8_t>(greenOf(color));
    silhouetteBytes[2] = static_cast<std::uint8_t>(redOf(color));
  }
  if (!UseMaskColor_) {
    mask = -1;
  }
  for (std::int32_t row = 0; row < height; ++row) {
    for (std::int32_t column = 0; column < width; ++column) {
      const std::size_t at = pixels.offset(column, row);
      const std::uint8_t B = pixels.data()[at];
      const std::uint8_t G = pixels.data()[at + 1];
      const std::uint8_t R = pixels.data()[at + 2];
      const std::int64_t v = R + G * 256 + B * 65536;
      if (v == mask) {
        continue;
      }
      std::uint8_t* out = background.data() + at;
      if (silhouette >= 0) {
        if (darkOnly && R + G + B > 384) {
          continue;
        }
        out[0] = silhouetteBytes[0];
        out[1] = silhouetteBytes[1];
        out[2] = silhouetteBytes[2];
      } else if (greyscale) {
        const double weighted = static_cast<double>(roundHalfEven(R * 0.3)) + G * 0.59 + B * 0.11;
        const auto grey = static_cast<std::uint8_t>(roundHalfEven(weighted));
        out[0] = grey;
        out[1] = grey;
        out[2] = grey;
      } else if (!blend) {
        out[0] = B;
        out[1] = G;
        out[2] = R;
      } else {
        out[0] = static_cast<std::uint8_t>((2 * B + out[0]) / 3);
        out[1] = static_cast<std::uint8_t>((2 * G + out[1]) / 3);
        out[2] = static_cast<std::uint8_t>((2 * R + out[2]) / 3);
      }
    }
  }
  canvas.writePixels(x, y, background);
}

}  // namespace vorlane
