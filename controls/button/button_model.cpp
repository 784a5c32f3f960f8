#include "controls/button/button_model.h"

#include <algorithm>
#include <limits>

namespace vorlane {

namespace {

// System colour indexes the button reads.
enum SystemColor : std::int32_t {
  kColorHighlight = 13,
  kColorBtnFace = 15,
  kColorBtnShadow = 16,
  kColorBtnText = 18,
  kColorBtnHighlight = 20,
  kColor3dDkShadow = 21,
  kColor3dLight = 22,
};

std::int32_t asInt32(std::uint32_t color) { return static_cast<std::int32_t>(color); }
std::uint32_t asColor(std::int32_t value) { return static_cast<std::uint32_t>(value); }

bool fitsInt16(std::int32_t value) {
  return value >= std::numeric_limits<std::int16_t>::min() &&
         value <= std::numeric_limits<std::int16_t>::max();
}

void writeAlways(PropertyBag& bag, std::string_view key, std::int32_t value) {
  bag.write(key, std::to_string(value));
}
void writeAlways(PropertyBag& bag, std::string_view key, bool value) {
  bag.write(key, value ? "True" : "False");
}

// Pictures are stored by the reference text they were made with; a picture
// without one, and none, leave the key out.
void writePicture(PropertyBag& bag, std::string_view key, const PicturePtr& picture) {
  if (picture && !picture->reference().empty()) {
    bag.write(key, picture->reference());
  } else {
    bag.remove(key);
  }
}

PicturePtr readPicture(const PropertyBag& bag, std::string_view key, const LoadContext& context) {
  const auto reference = bag.read(key);
  return reference ? context.resolvePicture(*reference) : nullptr;
}

}  // namespace

bool isKnownPointer(std::int32_t pointer) {
  return (pointer >= 0 && pointer <= 15) || pointer == 99;
}

ButtonProperties readProperties(const PropertyBag& bag, const LoadContext& context,
                                const Font& surfaceFont) {
  ButtonProperties p;
  p.type = ButtonType{bag.readInt("BTYPE", 2)};
  p.caption = bag.readString("TX", "");
  p.enabled = bag.readBool("ENAB", true);
  const auto fontText = bag.read("FONT");
  p.font = fontText ? fontFromText(*fontText, surfaceFont) : surfaceFont;
  p.scheme = ColorScheme{bag.readInt("COLTYPE", 1)};
  p.showFocusRect = bag.readBool("FOCUSR", true);
  p.backColor = asColor(bag.readInt("BCOL", asInt32(context.systemColor(kColorBtnFace))));
  p.backOver = asColor(bag.readInt("BCOLO", asInt32(p.backColor)));
  p.foreColor = asColor(bag.readInt("FCOL", asInt32(context.systemColor(kColorBtnText))));
  p.foreOver = asColor(bag.readInt("FCOLO", asInt32(p.foreColor)));
  p.maskColor = asColor(bag.readInt("MCOL", 0xC0C0C0));
  // A stored pointer the surface does not take loads as the default pointer.
  const std::int32_t pointer = bag.readInt("MPTR", 0);
  p.mousePointer = isKnownPointer(pointer) ? static_cast<std::int16_t>(pointer) : 0;
  p.mouseIcon = readPicture(bag, "MICON", context);
  p.pictureNormal = readPicture(bag, "PICN", context);
  p.pictureOver = readPicture(bag, "PICH", context);
  p.useMaskColor = bag.readBool("UMCOL", true);
  p.softBevel = bag.readBool("SOFT", false);
  p.picturePosition = PicturePosition{bag.readInt("PICPOS", 0)};
  p.useGreyscale = bag.readBool("NGREY", false);
  p.effect = SpecialEffect{bag.readInt("FX", 0)};
  p.checkBoxBehaviour = bag.readBool("CHECK", false);
  p.value = bag.readBool("VALUE", false);
  const std::int32_t index = bag.readInt("ImageIndex", 0);
  p.imageIndex = fitsInt16(index) ? static_cast<std::int16_t>(index) : 0;
  return p;
}

void writeProperties(const ButtonProperties& p, PropertyBag& bag) {
  writeAlways(bag, "BTYPE", static_cast<std::int32_t>(p.type));
  bag.write("TX", p.caption);
  writeAlways(bag, "ENAB", p.enabled);
  bag.write("FONT", fontToText(p.font));
  writeAlways(bag, "COLTYPE", static_cast<std::int32_t>(p.scheme));
  writeAlways(bag, "FOCUSR", p.showFocusRect);
  writeAlways(bag, "BCOL", asInt32(p.backColor));
  writeAlways(bag, "BCOLO", asInt32(p.backOver));
  writeAlways(bag, "FCOL", asInt32(p.foreColor));
  writeAlways(bag, "FCOLO", asInt32(p.foreOver));
  writeAlways(bag, "MCOL", asInt32(p.maskColor));
  writeAlways(bag, "MPTR", static_cast<std::int32_t>(p.mousePointer));
  writePicture(bag, "MICON", p.mouseIcon);
  writePicture(bag, "PICN", p.pictureNormal);
  writePicture(bag, "PICH", p.pictureOver);
  writeAlways(bag, "UMCOL", p.useMaskColor);
  writeAlways(bag, "SOFT", p.softBevel);
  writeAlways(bag, "PICPOS", static_cast<std::int32_t>(p.picturePosition));
  writeAlways(bag, "NGREY", p.useGreyscale);
  writeAlways(bag, "FX", static_cast<std::int32_t>(p.effect));
  writeAlways(bag, "HAND", p.handFlag);
  writeAlways(bag, "CHECK", p.checkBoxBehaviour);
  writeAlways(bag, "VALUE", p.value);
  bag.writeInt("ImageIndex", p.imageIndex, 0);
}

Color ShadeColor(Color color, std::int32_t amount, bool proportionalBlue, bool softBevel) {
  if (softBevel) {
    amount /= 2;
  }
  std::int32_t red = redOf(color);
  std::int32_t green = greenOf(color);
  std::int32_t blue = blueOf(color);
  blue = proportionalBlue ? blue + (blue * amount) / 192 : blue + amount;
  red += amount;
  green += amount;
  // Clamped both ways: an amount beyond +-255 cannot spill a component into
  // its neighbour.
  return rgb(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
}

Color TintColor(Color color, std::int32_t floor) {
  auto tint = [floor](std::int32_t component) {
    return std::clamp(floor + ((255 - floor) * component) / 255, 0, 255);
  };
  return rgb(tint(redOf(color)), tint(greenOf(color)), tint(blueOf(color)));
}

Color translateColor(std::uint32_t color, const SystemColors& systemColor) {
  const std::uint32_t kind = color >> 24;
  if (kind == 0) {
    return color;
  }
  if (kind == 0x80 && (color & 0x00FF0000u) == 0) {
    return systemColor(static_cast<std::int32_t>(color & 0xFFFF));
  }
  return 0;
}

Palette makePalette(const ButtonProperties& p, std::uint32_t backColor,
                    const SystemColors& systemColor, const ParentColors& parent) {
  const auto shade = [&p](Color color, std::int32_t amount) {
    return ShadeColor(color, amount, false, p.softBevel);
  };
  Palette c;
  const bool custom = p.scheme == ColorScheme::kCustom;
  switch (p.scheme) {
    case ColorScheme::kCustom:
      c.face = translateColor(backColor, systemColor);
      c.text = translateColor(p.foreColor, systemColor);
      c.hoverText = translateColor(p.foreOver, systemColor);
      break;
    case ColorScheme::kClassic:
      c = {0xC0C0C0, 0xDFDFDF, 0xFFFFFF, 0x808080, 0x000000,
           0x000000, 0x000000, 0x800000, 0xD1ADAD};
      break;
    case ColorScheme::kParent:
      c.face = parent.background;
      c.text = c.hoverText = parent.text;
      break;
    default:
      c.face = systemColor(kColorBtnFace);
      c.text = c.hoverText = systemColor(kColorBtnText);
      c.shadow = systemColor(kColorBtnShadow);
      c.light = systemColor(kColor3dLight);
      c.highlight = systemColor(kColorBtnHighlight);
      c.darkShadow = systemColor(kColor3dDkShadow);
      break;
  }
  if (custom || p.scheme == ColorScheme::kParent) {
    // These two schemes derive their edges from their face.
    c.shadow = shade(c.face, -64);
    c.light = shade(c.face, 31);
    c.highlight = shade(c.face, 47);
    c.darkShadow = shade(c.face, -192);
  }
  if (p.scheme != ColorScheme::kClassic) {
    c.accent = custom ? shade(c.face, -128) : systemColor(kColorHighlight);
    c.accentTint = custom ? c.face : TintColor(c.accent, 176);
  }
  c.mask = translateColor(p.maskColor, systemColor);
  c.pressedFace = ShadeColor(c.face, 48, p.type == ButtonType::kXP, p.softBevel);
  c.dimmedText = ShadeColor(c.pressedFace, -104, true, p.softBevel);
  c.carvedCopy = shade(c.shadow, -50);
  return c;
}

}  // namespace vorlane
