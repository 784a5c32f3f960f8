#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "host/canvas/font.h"
#include "host/canvas/geometry.h"
#include "host/canvas/picture.h"
#include "host/property_bag.h"

namespace vorlane {

// The button's numbered properties. The numbers are what the property bag
// stores; a number outside the named ones is kept as it is (a type outside 1 to
// 14 shows only the face, a scheme outside 1 to 4 acts as System).
enum class ButtonType : std::int32_t {
  kBevelFramed = 1,
  kClassic = 2,
  kXP = 3,
  kRoundedBevel = 4,
  kFlatFramed = 5,
  kSoftBevel = 6,
  kThinEdge = 7,
  kHotEdge = 8,
  kHotTrack = 9,
  kFaceOnly = 10,
  kTransparent = 11,
  kHotBevel = 12,
  kOval = 13,
  kGradient = 14,
};
enum class ColorScheme : std::int32_t { kSystem = 1, kCustom = 2, kClassic = 3, kParent = 4 };
// Where the picture stands against the caption.
enum class PicturePosition : std::int32_t { kLeft, kRight, kTop, kBottom, kCentre };
// Copies drawn round caption and picture; 3 and more all act as kShadow.
enum class SpecialEffect : std::int32_t { kNone = 0, kRaised = 1, kSunken = 2, kShadow = 3 };
// What Repaint last drew.
enum class ButtonState : std::uint8_t { kNormal = 0, kPressed = 2 };

// Every stored property of the button, as set; colours may name system colours.
struct ButtonProperties {
  ButtonType type = ButtonType{0};
  std::string caption;
  bool enabled = false;
  Font font;
  ColorScheme scheme = ColorScheme{0};
  bool showFocusRect = false;
  std::uint32_t backColor = 0;
  std::uint32_t backOver = 0;
  std::uint32_t foreColor = 0;
  std::uint32_t foreOver = 0;
  std::uint32_t maskColor = 0;
  std::int16_t mousePointer = 0;
  PicturePtr mouseIcon;
  PicturePtr pictureNormal;
  PicturePtr pictureOver;
  bool useMaskColor = false;
  bool softBevel = false;
  PicturePosition picturePosition = PicturePosition::kLeft;
  bool useGreyscale = false;
  SpecialEffect effect = SpecialEffect::kNone;
  bool checkBoxBehaviour = false;
  bool value = false;
  std::int16_t imageIndex = 0;
  bool handFlag = false;
};

// GetSysColor as RGB; 0 for an index the system does not know.
using SystemColors = std::function<Color(std::int32_t index)>;

struct ParentColors {
  Color background = 0xFFFFFF;
  Color text = 0;
};

// What loading takes from the host: colours for missing keys, and the pictures
// stored references name.
struct LoadContext {
  SystemColors systemColor;
  std::function<PicturePtr(const std::string&)> resolvePicture;
};

// The mouse pointers the surface takes: 0 to 15 (standard) and 99 (MouseIcon).
bool isKnownPointer(std::int32_t pointer);

// Loading never fails: an unreadable or missing value takes the key's default.
// "HAND" is not read: a loaded button's flag stays false.
ButtonProperties readProperties(const PropertyBag& bag, const LoadContext& context,
                                const Font& surfaceFont);
void writeProperties(const ButtonProperties& properties, PropertyBag& bag);

// RGB as it is; a system colour reference (high byte 0x80, index in the low
// 16 bits) through `systemColor`; anything else 0.
Color translateColor(std::uint32_t color, const SystemColors& systemColor);

// Lightens (positive amount) or darkens (negative) an RGB colour by adding the
// amount to each component, clamped to 0..255. A soft bevel halves the amount.
// With proportionalBlue the blue component moves by blue * amount / 192
// instead, which keeps bluish faces from washing out.
Color ShadeColor(Color color, std::int32_t amount, bool proportionalBlue, bool softBevel);

// Squeezes every component into floor..255: a pale version of the colour.
Color TintColor(Color color, std::int32_t floor);

// The colours a paint works with, all worked out before it starts: the face
// and its edges, the texts, the accent of the hot-tracking look, the picture's
// mask, the pressed face, and the two caption colours derived from them (XP
// disabled, gradient pressed).
struct Palette {
  Color face = 0, light = 0, highlight = 0, shadow = 0, darkShadow = 0;
  Color text = 0, hoverText = 0, accent = 0, accentTint = 0, mask = 0, pressedFace = 0;
  Color dimmedText = 0, carvedCopy = 0;
};

// The scheme's colours for a face of `backColor` (the Custom scheme's face;
// BackOver while hovering).
Palette makePalette(const ButtonProperties& properties, std::uint32_t backColor,
                    const SystemColors& systemColor, const ParentColors& parent);

}  // namespace vorlane
