// The fourteen looks of the push button, each in its disabled, pressed and
// normal branch. Later steps paint over earlier ones, so the order matters.

#include "controls/button/color_math.h"
#include "controls/button/xp_button.h"
#include "host/rounding.h"

namespace vorlane {

namespace {

constexpr std::uint8_t kNormal = 0;
constexpr std::uint8_t kPressed = 1;
constexpr std::uint8_t kDisabled = 2;

}  // namespace

void VelkXPButton::Gradient(Color base, std::int32_t k, bool proportional, bool downward) {
  const std::int32_t W = ClientWidth_;
  const std::int32_t H = ClientHeight_;
  // The step is kept in single precision, as the look was tuned with it.
  const float step = static_cast<float>(k) / static_cast<float>(H);
  for (std::int32_t i = 1; i <= H; ++i) {
    const auto amount = static_cast<std::int32_t>(roundHalfEven(-(static_cast<double>(step) * i)));
    const Color color = ShadeColor(base, amount, proportional);
    const std::int32_t y = downward ? i : H - i;
    DrawLine(0, y, W, y, color);
  }
}

void VelkXPButton::Corners(Color color) {
  const std::int32_t W = ClientWidth_;
  const std::int32_t H = ClientHeight_;
  DrawPixel(1, 1, color);
  DrawPixel(1, H - 2, color);
  DrawPixel(W - 2, 1, color);
  DrawPixel(W - 2, H - 2, color);
}

void VelkXPButton::DrawLook(std::uint8_t branch) {
  switch (ButtonType_) {
    case 1:
      DrawType1(branch);
      break;
    case 2:
      DrawType2(branch);
      break;
    case 3:
      DrawType3(branch);
      break;
    case 4:
      DrawType4(branch);
      break;
    case 5:
      DrawType5(branch);
      break;
    case 6:
      DrawType6(branch);
      break;
    case 7:
    case 8:
    case 12:
      DrawType7812(branch);
      break;
    case 9:
      DrawType9(branch);
      break;
    case 11:
      DrawType11(branch);
      break;
    case 13:
      DrawType13(branch);
      break;
    case 14:
      DrawType14(branch);
      break;
    default:
      // Type 10, and values outside 1 to 14, show only the face.
      break;
  }
}

void VelkXPButton::DrawType1(std::uint8_t branch) {
  const SchemeColors& c = colors_;
  const std::int32_t W = ClientWidth_;
  const std::int32_t H = ClientHeight_;
  if (branch == kDisabled) {
    DrawCaption(3);
    DrawBevel(c.HighlightColor, c.ShadowColor, c.HighlightColor, c.ShadowColor, -1, false);
    DrawBox(0, 0, W, H, c.DarkShadowColor, true);
  } else if (branch == kPressed) {
    DrawCaption(2);
    DrawBevel(c.ShadowColor, c.HighlightColor, c.ShadowColor, c.HighlightColor, -1, false);
    DrawBox(0, 0, W, H, c.DarkShadowColor, true);
    DrawFocus();
  } else {
    DrawCaption(Hovering_ ? 1 : 0);
    DrawBevel(c.HighlightColor, c.ShadowColor, c.HighlightColor, c.ShadowColor, -1, false);
    DrawBox(0, 0, W, H, c.DarkShadowColor, true);
    DrawFocus();
  }
}

void VelkXPButton::DrawType2(std::uint8_t branch) {
  const SchemeColors& c = colors_;
  const std::int32_t W = ClientWidth_;
  const std::int32_t H = ClientHeight_;
  const bool showDefault = ShowFocusRect_ && site_.displayAsDefault();
  if (branch == kDisabled) {
    DrawCaption(3);
    DrawBevel(c.HighlightColor, c.DarkShadowColor, c.LightColor, c.ShadowColor, 0, false);
  } else if (branch == kPressed) {
    DrawCaption(2);
    if (showDefault) {
      DrawBox(0, 0, W, H, c.DarkShadowColor, true);
      DrawBox(1, 1, W - 2, H - 2, c.ShadowColor, true);
      DrawFocus();
    } else {
      DrawBevel(c.DarkShadowColor, c.HighlightColor, c.ShadowColor, c.LightColor, 0, false);
    }
  } else {
    DrawCaption(Hovering_ ? 1 : 0);
    if (showDefault) {
      DrawBevel(c.HighlightColor, c.DarkShadowColor, c.LightColor, c.ShadowColor, -1, false);
      DrawFocus();
      DrawBox(0, 0, W, H, c.DarkShadowColor, true);
    } else {
      DrawBevel(c.HighlightColor, c.DarkShadowColor, c.LightColor, c.ShadowColor, 0, false);
    }
  }
}

void VelkXPButton::DrawType3(std::uint8_t branch) {
  const std::int32_t W = ClientWidth_;
  const std::int32_t H = ClientHeight_;
  const Color P = colors_.PressedFaceColor;
  auto shadeP = [this](Color color, std::int32_t amount) {
    return ShadeColor(color, amount, true);
  };
  if (branch == kDisabled) {
    DrawBox(0, 0, W, H, shadeP(P, -24), false);
    DrawCaption(5);
    DrawBox(0, 0, W, H, shadeP(P, -84), true);
    Corners(shadeP(P, -72));
    return;
  }
  if (branch == kPressed) {
    const Color base = shadeP(P, -32);
    Gradient(base, 25, true, false);
    DrawCaption(2);
    DrawBox(0, 0, W, H, 0x733C00, true);
    Corners(0x7B4D10);
    DrawLine(2, H - 2, W - 2, H - 2, shadeP(base, 16));
    DrawLine(1, H - 3, W - 2, H - 3, shadeP(base, 10));
    DrawLine(W - 2, 2, W - 2, H - 2, shadeP(base, 5));
    DrawLine(W - 3, 3, W - 3, H - 3, P);
    DrawLine(2, 1, W - 2, 1, shadeP(base, -32));
    DrawLine(1, 2, W - 2, 2, shadeP(base, -24));
    DrawLine(1, 2, 1, H - 2, shadeP(base, -32));
    DrawLine(2, 2, 2, H - 2, shadeP(base, -22));
    return;
  }
  Gradient(P, 25, true, true);
  DrawCaption(Hovering_ ? 1 : 0);
  DrawBox(0, 0, W, H, 0x733C00, true);
  Corners(0x7B4D10);
  if (Hovering_) {
    DrawBox(1, 2, W - 2, H - 4, 0x31B2FF, true);
    DrawLine(2, H - 2, W - 2, H - 2, 0x0096E7);
    DrawLine(2, 1, W - 2, 1, 0xCEF3FF);
    DrawLine(1, 2, W - 1, 2, 0x8CDBFF);
    DrawLine(2, 3, 2, H - 3, 0x6BCBFF);
    DrawLine(W - 3, 3, W - 3, H - 3, 0x6BCBFF);
  } else if ((HasFocus_ || site_.displayAsDefault()) && ShowFocusRect_) {
    DrawBox(1, 2, W - 2, H - 4, 0xE7AE8C, true);
    DrawLine(2, H - 2, W - 2, H - 2, 0xEF826B);
    DrawLine(2, 1, W - 2, 1, 0xFFE7CE);
    DrawLine(1, 2, W - 1, 2, 0xF7D7BD);
    DrawLine(2, 3, 2, H - 3, 0xF0D1B5);
    DrawLine(W - 3, 3, W - 3, H - 3, 0xF0D1B5);
  } else {
    DrawLine(2, H - 2, W - 2, H - 2, shadeP(P, -48));
    DrawLine(1, H - 3, W - 2, H - 3, shadeP(P, -32));
    DrawLine(W - 2, 2, W - 2, H - 2, shadeP(P, -36));
    DrawLine(W - 3, 3, W - 3, H - 3, shadeP(P, -24));
    DrawLine(2, 1, W - 2, 1, shadeP(P, 16));
    DrawLine(1, 2, W - 2, 2, shadeP(P, 10));
    DrawLine(1, 2, 1, H - 2, shadeP(P, -5));
    DrawLine(2, 3, 2, H - 3, shadeP(P, -10));
  }
}

void VelkXPButton::DrawType4(std::uint8_t branch) {
  const SchemeColors& c = colors_;
  const std::int32_t W = ClientWidth_;
  const std::int32_t H = ClientHeight_;
  if (branch != kPressed) {
    DrawBox(1, 1, W - 2, H - 2, c.LightColor, false);
    DrawCaption(branch == kDisabled ? 3 : (Hovering_ ? 1 : 0));
    DrawBox(0, 0, W, H, c.DarkShadowColor, true);
    Corners(c.DarkShadowColor);
    DrawLine(1, 2, 2, 0, c.FaceColor);
    DrawLine(3, 2, W - 3, 2, c.HighlightColor);
    DrawLine(2, 2, 2, H - 3, c.HighlightColor);
    DrawPixel(3, 3, c.HighlightColor);
    DrawLine(W - 3, 1, W - 3, H - 3, c.FaceColor);
    DrawLine(1, H - 3, W - 3, H - 3, c.FaceColor);
    DrawPixel(W - 4, H - 4, c.FaceColor);
    DrawLine(W - 2, 2, W - 2, H - 2, c.ShadowColor);
    DrawLine(2, H - 2, W - 2, H - 2, c.ShadowColor);
    DrawPixel(W - 3, H - 3, c.ShadowColor);
    return;
  }
  const Color S = c.ShadowColor;
  const Color pressedFace = ShadeColor(S, -16);
  DrawBox(1, 1, W - 2, H - 2, pressedFace, false);
  // The caption effect takes the pressed face for a moment.
  colors_.PressedFaceColor = pressedFace;
  DrawCaption(2);
  colors_.PressedFaceColor = ShadeColor(c.FaceColor, 48);
  DrawBox(0, 0, W, H, c.DarkShadowColor, true);
  DrawBox(1, 1, W - 2, H - 2, ShadeColor(S, -64), true);
  DrawBox(2, 2, W - 4, H - 4, ShadeColor(S, -32), true);
  DrawPixel(2, 2, ShadeColor(S, -64));
  DrawPixel(3, 3, ShadeColor(S, -32));
  Corners(c.DarkShadowColor);
  DrawLine(W - 3, 1, W - 3, H - 3, S);
  DrawLine(1, H - 3, W - 2, H - 3, S);
  DrawPixel(W - 4, H - 4, S);
  DrawLine(W - 2, 3, W - 2, H - 2, ShadeColor(S, -16));
  DrawLine(3, H - 2, W - 2, H - 2, ShadeColor(S, -16));
  DrawLine(W - 2, H - 3, W - 4, H - 1, ShadeColor(S, -32));
  DrawPixel(2, H - 2, ShadeColor(S, -32));
  DrawPixel(W - 2, 2, ShadeColor(S, -32));
}

void VelkXPButton::DrawType5(std::uint8_t branch) {
  const SchemeColors& c = colors_;
  const std::int32_t W = ClientWidth_;
  const std::int32_t H = ClientHeight_;
  const Color S = c.ShadowColor;
  if (branch == kDisabled) {
    DrawCaption(4);
    DrawBox(0, 0, W, H, S, true);
    return;
  }
  if (branch == kPressed) {
    DrawBox(1, 1, W - 2, H - 2, ShadeColor(S, 16), false);
    DrawBox(0, 0, W - 1, H - 1, ShadeColor(S, -26), true);
    DrawLine(W - 1, 1, W - 1, H, c.HighlightColor);
    DrawLine(1, H - 1, W - 1, H - 1, c.HighlightColor);
    // Plain text: no caption style, no effect, not moved.
    DrawText(CaptionRect_, c.HoverTextColor);
  } else {
    DrawBox(1, 1, W - 1, H - 1, ShadeColor(c.FaceColor, 12), false);
    DrawCaption(Hovering_ ? 1 : 0);
    DrawBox(1, 1, W - 1, H - 1, c.HighlightColor, true);
    DrawBox(0, 0, W - 1, H - 1, ShadeColor(S, -26), true);
    DrawPixel(1, H - 2, ShadeColor(S, 26));
    DrawPixel(W - 2, 1, ShadeColor(S, 26));
  }
  if (HasFocus_ && ShowFocusRect_) {
    DrawBox(CaptionRect_.left - 2, CaptionRect_.top - 1, CaptionWidth_ + 4, CaptionHeight_ + 2,
            0xCC9999, true);
  }
}

void VelkXPButton::DrawType6(std::uint8_t branch) {
  const SchemeColors& c = colors_;
  const Color L8 = ShadeColor(c.LightColor, 8);
  if (branch == kDisabled) {
    DrawCaption(4);
    DrawBevel(L8, c.ShadowColor, L8, c.ShadowColor, 0, false);
  } else if (branch == kPressed) {
    DrawCaption(2);
    DrawBevel(c.ShadowColor, L8, c.ShadowColor, L8, 0, false);
    DrawFocus();
  } else {
    DrawCaption(Hovering_ ? 1 : 0);
    DrawBevel(L8, c.ShadowColor, L8, c.ShadowColor, 0, false);
    DrawFocus();
  }
}

void VelkXPButton::DrawType7812(std::uint8_t branch) {
  const SchemeColors& c = colors_;
  if (branch == kDisabled) {
    DrawCaption(3);
    if (ButtonType_ == 7) {
      DrawBevel(c.HighlightColor, c.ShadowColor, 0, 0, 0, true);
    }
  } else if (branch == kPressed) {
    DrawCaption(2);
    if (ButtonType_ == 12) {
      DrawBevel(c.DarkShadowColor, c.HighlightColor, c.ShadowColor, c.LightColor, 0, false);
    } else {
      DrawBevel(c.ShadowColor, c.HighlightColor, 0, 0, 0, true);
    }
    DrawFocus();
  } else {
    DrawCaption(Hovering_ ? 1 : 0);
    if (ButtonType_ == 7 || (ButtonType_ == 8 && Hovering_)) {
      DrawBevel(c.HighlightColor, c.ShadowColor, 0, 0, 0, true);
    } else if (ButtonType_ == 12 && Hovering_) {
      DrawBevel(c.HighlightColor, c.DarkShadowColor, c.LightColor, c.ShadowColor, 0, false);
    }
    DrawFocus();
  }
}

void VelkXPButton::DrawType9(std::uint8_t branch) {
  const SchemeColors& c = colors_;
  const std::int32_t W = ClientWidth_;
  const std::int32_t H = ClientHeight_;
  if (branch == kDisabled) {
    DrawCaption(4);
  } else if (branch == kPressed) {
    if (Hovering_) {
      DrawBox(0, 0, W, H,
              ColorScheme_ == 2 ? ShadeColor(c.AccentTint, -32) : TintColor(c.AccentColor, 128),
              false);
    }
    DrawCaption(2);
    DrawBox(0, 0, W, H, c.AccentColor, true);
    DrawFocus();
  } else {
    if (Hovering_) {
      DrawBox(1, 1, W, H, c.AccentTint, false);
    }
    DrawCaption(Hovering_ ? 1 : 0);
    if (Hovering_) {
      DrawBox(0, 0, W, H, c.AccentColor, true);
    }
    DrawFocus();
  }
}

void VelkXPButton::DrawType11(std::uint8_t branch) {
  if (BackgroundDC_) {
    canvas_->copyFrom(*BackgroundDC_, 0, 0, ClientWidth_, ClientHeight_, 0, 0);
  }
  if (branch == kDisabled) {
    DrawCaption(3);
  } else if (branch == kPressed) {
    DrawCaption(2);
    DrawFocus();
  } else {
    DrawCaption(Hovering_ ? 1 : 0);
    DrawFocus();
  }
}

void VelkXPButton::DrawType13(std::uint8_t branch) {
  const SchemeColors& c = colors_;
  const std::int32_t W = ClientWidth_;
  const std::int32_t H = ClientHeight_;
  if (branch == kDisabled) {
    DrawCaption(3);
  } else if (branch == kPressed) {
    DrawOval(0, 0, W, H, c.DarkShadowColor, ShadeColor(c.FaceColor, -32));
    DrawCaption(2);
  } else {
    DrawOval(0, 0, W, H, Hovering_ ? c.ShadowColor : c.FaceColor, c.FaceColor);
    DrawCaption(Hovering_ ? 1 : 0);
  }
}

void VelkXPButton::DrawType14(std::uint8_t branch) {
  const SchemeColors& c = colors_;
  const std::int32_t W = ClientWidth_;
  const std::int32_t H = ClientHeight_;
  if (branch == kDisabled) {
    Gradient(c.HighlightColor, 58, false, true);
    DrawBox(0, 0, W, H, ShadeColor(c.ShadowColor, -50), true);
    DrawBox(1, 1, W - 2, H - 2, ShadeColor(c.FaceColor, -9), true);
    DrawBox(2, 2, W - 4, 2, c.HighlightColor, false);
    DrawBox(2, 4, 2, H - 6, c.HighlightColor, false);
    DrawCaption(6);
    return;
  }
  if (branch == kPressed) {
    DrawBox(1, 1, W, H, ShadeColor(c.FaceColor, -9), false);
    DrawBox(0, 0, W, H, ShadeColor(c.ShadowColor, -48), true);
    DrawLine(2, H - 2, W - 2, H - 2, c.HighlightColor);
    DrawLine(W - 2, 2, W - 2, H - 1, c.HighlightColor);
    DrawCaption(7);
    DrawFocus();
    return;
  }
  if (Hovering_) {
    DrawBox(0, 0, W, H, c.LightColor, false);
  } else {
    Gradient(c.HighlightColor, 58, false, true);
  }
  // The default button's caption is laid out and drawn bold; PaintingAllowed
  // is off meanwhile so the font change does not start a nested repaint.
  bool rememberedBold = false;
  bool boldened = false;
  if (site_.displayAsDefault()) {
    PaintingAllowed_ = false;
    rememberedBold = FontBold();
    setFontBold(true);
    boldened = true;
  }
  DrawCaption(Hovering_ ? 1 : 0);
  if (boldened) {
    setFontBold(rememberedBold);
    PaintingAllowed_ = true;
  }
  DrawBox(0, 0, W, H, ShadeColor(c.ShadowColor, -50), true);
  DrawBox(1, 1, W - 2, H - 2, ShadeColor(c.FaceColor, -9), true);
  DrawBox(2, 2, W - 4, 2, c.HighlightColor, false);
  DrawBox(2, 4, 2, H - 6, c.HighlightColor, false);
  DrawFocus();
}

}  // namespace vorlane
