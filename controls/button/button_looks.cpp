// The fourteen looks of the push button as a table: for each type its
// disabled, pressed and normal drawing steps. Later steps paint over earlier
// ones, so the order matters.

#include "controls/button/painter_steps.h"

namespace vorlane {

namespace {

using Style = CaptionStyle;

// Type 2 shows the default button's frame, and its focus, only with ShowFocusRect.
bool showsDefault(const Painter& d) { return d.p.showFocusRect && d.state.isDefault; }

void xpEdge(Painter& d, Color frame, Color bottom, Color top, Color upper, Color side) {
  d.frame(1, 2, d.W - 2, d.H - 4, frame);
  d.line(2, d.H - 2, d.W - 2, d.H - 2, bottom);
  d.line(2, 1, d.W - 2, 1, top);
  d.line(1, 2, d.W - 1, 2, upper);
  d.line(2, 3, 2, d.H - 3, side);
  d.line(d.W - 3, 3, d.W - 3, d.H - 3, side);
}

void xpFrame(Painter& d) {
  d.frame(0, 0, d.W, d.H, 0x733C00);
  d.corners(0x7B4D10);
}

void roundedRaised(Painter& d, CaptionStyle style) {
  d.fill(1, 1, d.W - 2, d.H - 2, d.c.light);
  d.caption(style);
  d.frame(0, 0, d.W, d.H, d.c.darkShadow);
  d.corners(d.c.darkShadow);
  d.line(1, 2, 2, 0, d.c.face);
  d.line(3, 2, d.W - 3, 2, d.c.highlight);
  d.line(2, 2, 2, d.H - 3, d.c.highlight);
  d.pixel(3, 3, d.c.highlight);
  d.line(d.W - 3, 1, d.W - 3, d.H - 3, d.c.face);
  d.line(1, d.H - 3, d.W - 3, d.H - 3, d.c.face);
  d.pixel(d.W - 4, d.H - 4, d.c.face);
  d.line(d.W - 2, 2, d.W - 2, d.H - 2, d.c.shadow);
  d.line(2, d.H - 2, d.W - 2, d.H - 2, d.c.shadow);
  d.pixel(d.W - 3, d.H - 3, d.c.shadow);
}

void flatFocus(Painter& d) {
  if (d.state.focused && d.p.showFocusRect) {
    const Rect& caption = d.captionRect();
    d.frame(caption.left - 2, caption.top - 1, caption.width() + 4, caption.height() + 2, 0xCC9999);
  }
}

void gradientFrame(Painter& d) {
  d.frame(0, 0, d.W, d.H, d.shade(d.c.shadow, -50));
  d.frame(1, 1, d.W - 2, d.H - 2, d.shade(d.c.face, -9));
  d.fill(2, 2, d.W - 4, 2, d.c.highlight);
  d.fill(2, 4, 2, d.H - 6, d.c.highlight);
}

// Types 1 and 6: a bevel of one light and one dark colour, sunk when pressed;
// type 1's a pixel wider and framed in the dark shadow.
void plainBevel(Painter& d, CaptionStyle style, bool sunk) {
  const bool framed = d.p.type == ButtonType::kBevelFramed;
  const Color light = framed ? d.c.highlight : d.shade(d.c.light, 8);
  const Color topLeft = sunk ? d.c.shadow : light;
  const Color bottomRight = sunk ? light : d.c.shadow;
  d.caption(style);
  d.bevel(topLeft, bottomRight, topLeft, bottomRight, framed ? 1 : 0);
  if (framed) {
    d.frame(0, 0, d.W, d.H, d.c.darkShadow);
  }
}
void plainBevelDisabled(Painter& d) {
  plainBevel(d, d.p.type == ButtonType::kBevelFramed ? Style::kEmbossed : Style::kGreyed, false);
}
void plainBevelPressed(Painter& d) {
  plainBevel(d, Style::kPressed, true);
  d.focus();
}
void plainBevelNormal(Painter& d) {
  plainBevel(d, d.hovering() ? Style::kHover : Style::kNormal, false);
  d.focus();
}

// Type 2.
void classicDisabled(Painter& d) {
  d.caption(Style::kEmbossed);
  d.bevel(d.c.highlight, d.c.darkShadow, d.c.light, d.c.shadow);
}
void classicPressed(Painter& d) {
  d.caption(Style::kPressed);
  if (showsDefault(d)) {
    d.frame(0, 0, d.W, d.H, d.c.darkShadow);
    d.frame(1, 1, d.W - 2, d.H - 2, d.c.shadow);
    d.focus();
  } else {
    d.bevel(d.c.darkShadow, d.c.highlight, d.c.shadow, d.c.light);
  }
}
void classicNormal(Painter& d) {
  d.hoverCaption();
  if (showsDefault(d)) {
    d.bevel(d.c.highlight, d.c.darkShadow, d.c.light, d.c.shadow, 1);
    d.focus();
    d.frame(0, 0, d.W, d.H, d.c.darkShadow);
  } else {
    d.bevel(d.c.highlight, d.c.darkShadow, d.c.light, d.c.shadow);
  }
}

// Type 3.
void xpDisabled(Painter& d) {
  const Color P = d.c.pressedFace;
  d.fill(0, 0, d.W, d.H, d.shadeP(P, -24));
  d.caption(Style::kDimmed);
  d.frame(0, 0, d.W, d.H, d.shadeP(P, -84));
  d.corners(d.shadeP(P, -72));
}
void xpPressed(Painter& d) {
  const Color base = d.shadeP(d.c.pressedFace, -32);
  d.gradient(base, 25, true, false);
  d.caption(Style::kPressed);
  xpFrame(d);
  d.line(2, d.H - 2, d.W - 2, d.H - 2, d.shadeP(base, 16));
  d.line(1, d.H - 3, d.W - 2, d.H - 3, d.shadeP(base, 10));
  d.line(d.W - 2, 2, d.W - 2, d.H - 2, d.shadeP(base, 5));
  d.line(d.W - 3, 3, d.W - 3, d.H - 3, d.c.pressedFace);
  d.line(2, 1, d.W - 2, 1, d.shadeP(base, -32));
  d.line(1, 2, d.W - 2, 2, d.shadeP(base, -24));
  d.line(1, 2, 1, d.H - 2, d.shadeP(base, -32));
  d.line(2, 2, 2, d.H - 2, d.shadeP(base, -22));
}
void xpNormal(Painter& d) {
  const Color P = d.c.pressedFace;
  d.gradient(P, 25, true, true);
  d.hoverCaption();
  xpFrame(d);
  if (d.hovering()) {
    xpEdge(d, 0x31B2FF, 0x0096E7, 0xCEF3FF, 0x8CDBFF, 0x6BCBFF);
  } else if ((d.state.focused || d.state.isDefault) && d.p.showFocusRect) {
    xpEdge(d, 0xE7AE8C, 0xEF826B, 0xFFE7CE, 0xF7D7BD, 0xF0D1B5);
  } else {
    d.line(2, d.H - 2, d.W - 2, d.H - 2, d.shadeP(P, -48));
    d.line(1, d.H - 3, d.W - 2, d.H - 3, d.shadeP(P, -32));
    d.line(d.W - 2, 2, d.W - 2, d.H - 2, d.shadeP(P, -36));
    d.line(d.W - 3, 3, d.W - 3, d.H - 3, d.shadeP(P, -24));
    d.line(2, 1, d.W - 2, 1, d.shadeP(P, 16));
    d.line(1, 2, d.W - 2, 2, d.shadeP(P, 10));
    d.line(1, 2, 1, d.H - 2, d.shadeP(P, -5));
    d.line(2, 3, 2, d.H - 3, d.shadeP(P, -10));
  }
}

// Type 4.
void roundedBevelDisabled(Painter& d) { roundedRaised(d, Style::kEmbossed); }
void roundedBevelPressed(Painter& d) {
  const Color S = d.c.shadow;
  const Color pressedFace = d.shade(S, -16);
  d.fill(1, 1, d.W - 2, d.H - 2, pressedFace);
  d.caption(Style::kPressed, pressedFace);
  d.frame(0, 0, d.W, d.H, d.c.darkShadow);
  d.frame(1, 1, d.W - 2, d.H - 2, d.shade(S, -64));
  d.frame(2, 2, d.W - 4, d.H - 4, d.shade(S, -32));
  d.pixel(2, 2, d.shade(S, -64));
  d.pixel(3, 3, d.shade(S, -32));
  d.corners(d.c.darkShadow);
  d.line(d.W - 3, 1, d.W - 3, d.H - 3, S);
  d.line(1, d.H - 3, d.W - 2, d.H - 3, S);
  d.pixel(d.W - 4, d.H - 4, S);
  d.line(d.W - 2, 3, d.W - 2, d.H - 2, d.shade(S, -16));
  d.line(3, d.H - 2, d.W - 2, d.H - 2, d.shade(S, -16));
  d.line(d.W - 2, d.H - 3, d.W - 4, d.H - 1, d.shade(S, -32));
  d.pixel(2, d.H - 2, d.shade(S, -32));
  d.pixel(d.W - 2, 2, d.shade(S, -32));
}
void roundedBevelNormal(Painter& d) {
  roundedRaised(d, d.hovering() ? Style::kHover : Style::kNormal);
}

// Type 5.
void flatFramedDisabled(Painter& d) {
  d.caption(Style::kGreyed);
  d.frame(0, 0, d.W, d.H, d.c.shadow);
}
void flatFramedPressed(Painter& d) {
  const Color S = d.c.shadow;
  d.fill(1, 1, d.W - 2, d.H - 2, d.shade(S, 16));
  d.frame(0, 0, d.W - 1, d.H - 1, d.shade(S, -26));
  d.line(d.W - 1, 1, d.W - 1, d.H, d.c.highlight);
  d.line(1, d.H - 1, d.W - 1, d.H - 1, d.c.highlight);
  // Plain text: no caption style, no effect, not moved.
  d.text(d.captionRect(), d.c.hoverText);
  flatFocus(d);
}
void flatFramedNormal(Painter& d) {
  const Color S = d.c.shadow;
  d.fill(1, 1, d.W - 1, d.H - 1, d.shade(d.c.face, 12));
  d.hoverCaption();
  d.frame(1, 1, d.W - 1, d.H - 1, d.c.highlight);
  d.frame(0, 0, d.W - 1, d.H - 1, d.shade(S, -26));
  d.pixel(1, d.H - 2, d.shade(S, 26));
  d.pixel(d.W - 2, 1, d.shade(S, 26));
  flatFocus(d);
}

// Types 7, 8, 12 and 11: an edge always, only under the mouse, a bevel under
// it, or only what lies behind the button.
void edgedDisabled(Painter& d) {
  d.background();
  d.caption(Style::kEmbossed);
  if (d.p.type == ButtonType::kThinEdge) {
    d.edge(d.c.highlight, d.c.shadow);
  }
}
void edgedPressed(Painter& d) {
  d.background();
  d.caption(Style::kPressed);
  if (d.p.type == ButtonType::kHotBevel) {
    d.bevel(d.c.darkShadow, d.c.highlight, d.c.shadow, d.c.light);
  } else if (d.p.type != ButtonType::kTransparent) {
    d.edge(d.c.shadow, d.c.highlight);
  }
  d.focus();
}
void edgedNormal(Painter& d) {
  d.background();
  d.hoverCaption();
  const ButtonType type = d.p.type;
  if (type == ButtonType::kThinEdge || (type == ButtonType::kHotEdge && d.hovering())) {
    d.edge(d.c.highlight, d.c.shadow);
  } else if (type == ButtonType::kHotBevel && d.hovering()) {
    d.bevel(d.c.highlight, d.c.darkShadow, d.c.light, d.c.shadow);
  }
  d.focus();
}

// Type 9.
void hotTrackDisabled(Painter& d) { d.caption(Style::kGreyed); }
void hotTrackPressed(Painter& d) {
  if (d.hovering()) {
    d.fill(0, 0, d.W, d.H,
           d.p.scheme == ColorScheme::kCustom ? d.shade(d.c.accentTint, -32)
                                              : TintColor(d.c.accent, 128));
  }
  d.caption(Style::kPressed);
  d.frame(0, 0, d.W, d.H, d.c.accent);
  d.focus();
}
void hotTrackNormal(Painter& d) {
  if (d.hovering()) {
    d.fill(1, 1, d.W, d.H, d.c.accentTint);
  }
  d.hoverCaption();
  if (d.hovering()) {
    d.frame(0, 0, d.W, d.H, d.c.accent);
  }
  d.focus();
}

// Type 13.
void ovalDisabled(Painter& d) { d.caption(Style::kEmbossed); }
void ovalPressed(Painter& d) {
  d.oval(d.c.darkShadow, d.shade(d.c.face, -32));
  d.caption(Style::kPressed);
}
void ovalNormal(Painter& d) {
  d.oval(d.hovering() ? d.c.shadow : d.c.face, d.c.face);
  d.hoverCaption();
}

// Type 14.
void gradientDisabled(Painter& d) {
  d.gradient(d.c.highlight, 58, false, true);
  gradientFrame(d);
  d.caption(Style::kEngraved);
}
void gradientPressed(Painter& d) {
  d.fill(1, 1, d.W, d.H, d.shade(d.c.face, -9));
  d.frame(0, 0, d.W, d.H, d.shade(d.c.shadow, -48));
  d.line(2, d.H - 2, d.W - 2, d.H - 2, d.c.highlight);
  d.line(d.W - 2, 2, d.W - 2, d.H - 1, d.c.highlight);
  d.caption(Style::kCarved);
  d.focus();
}
void gradientNormal(Painter& d) {
  if (d.hovering()) {
    d.fill(0, 0, d.W, d.H, d.c.light);
  } else {
    d.gradient(d.c.highlight, 58, false, true);
  }
  d.hoverCaption(d.state.isDefault);
  gradientFrame(d);
  d.focus();
}

}  // namespace

const Look* lookOf(ButtonType type) {
  // By type, 1 to 14; type 10, and types outside 1 to 14, show only the face.
  static const Look kLooks[] = {
      {plainBevelDisabled, plainBevelPressed, plainBevelNormal},
      {classicDisabled, classicPressed, classicNormal},
      {xpDisabled, xpPressed, xpNormal},
      {roundedBevelDisabled, roundedBevelPressed, roundedBevelNormal},
      {flatFramedDisabled, flatFramedPressed, flatFramedNormal},
      {plainBevelDisabled, plainBevelPressed, plainBevelNormal},
      {edgedDisabled, edgedPressed, edgedNormal},
      {edgedDisabled, edgedPressed, edgedNormal},
      {hotTrackDisabled, hotTrackPressed, hotTrackNormal},
      {nullptr, nullptr, nullptr},
      {edgedDisabled, edgedPressed, edgedNormal},
      {edgedDisabled, edgedPressed, edgedNormal},
      {ovalDisabled, ovalPressed, ovalNormal},
      {gradientDisabled, gradientPressed, gradientNormal},
  };
  const auto index = static_cast<std::int32_t>(type) - 1;
  return index >= 0 && index < 14 && kLooks[index].normal != nullptr ? &kLooks[index] : nullptr;
}

}  // namespace vorlane
