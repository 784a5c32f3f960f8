#include "controls/progressbar/artwork.h"

#include <algorithm>
#include <array>

#include "host/rounding.h"

namespace vorlane::progressbar {

namespace {

constexpr Color kWhite = rgb(0xFF, 0xFF, 0xFF);

int channel(double value) {
  return static_cast<int>(std::clamp<std::int64_t>(roundHalfEven(value), 0, 255));
}

// Moves a colour towards white (amount > 0) or towards black (amount < 0);
// amount 1 is white, -1 black.
Color shade(Color colour, double amount) {
  const auto move = [amount](int value) {
    return amount >= 0 ? channel(value + (255 - value) * amount) : channel(value * (1 + amount));
  };
  return rgb(move(redOf(colour)), move(greenOf(colour)), move(blueOf(colour)));
}

// The frame: a rounded dark-grey outline and a pale ring around a white well,
// as the Luna progress bar has it. Edges are uniform along their length and
// the middle uniform, because the resize handler stretches them. The third
// ring is white like the well: the interior is stretched from a middle that
// reaches into the bottom border's inner row.
Pixels24 drawFrame() {
  // By depth from the edge: the outline, then the ring. The rounded corners:
  // the corner pixel takes the form's colour and the ring's corner a blend.
  const Color edges[] = {rgb(0x68, 0x68, 0x68), rgb(0xD6, 0xD3, 0xCE)};
  const Color corners[] = {kBackColour, rgb(0xAA, 0xA8, 0xA0)};
  Pixels24 image(kFrameWidth, kFrameHeight, kWhite);
  for (int y = 0; y < kFrameHeight; ++y) {
    for (int x = 0; x < kFrameWidth; ++x) {
      const int fromSide = std::min(x, kFrameWidth - 1 - x);
      const int fromTop = std::min(y, kFrameHeight - 1 - y);
      const int depth = std::min(fromSide, fromTop);
      if (depth < 2) {
        image.set(x, y, fromSide == fromTop ? corners[depth] : edges[depth]);
      }
    }
  }
  return image;
}

// How each of the ten rows of a block departs from the skin's colour
// (positive towards white, negative towards black).
// Flat skins: darker rims and a lighter band across the middle.
constexpr std::array<double, kBlockPictureHeight> kFlatRows = {-0.10, 0.20, 0.45, 0.60,  0.50,
                                                               0.30,  0.12, 0.00, -0.08, -0.18};
// Metal skins: a bright top reflection falling to a dark waist and a second,
// weaker reflection at the bottom.
constexpr std::array<double, kBlockPictureHeight> kMetalRows = {0.80,  0.62,  0.40,  0.15, -0.05,
                                                                -0.28, -0.40, -0.22, 0.10, 0.35};

struct SkinStyle {
  Color colour;
  bool metal;
};

constexpr std::array<SkinStyle, kSkinCount> kSkinStyles = {{
    {rgb(0x2F, 0xB4, 0x2F), false},  // master: the familiar green
    {rgb(0x2E, 0x6F, 0xE0), false},  // blue
    {rgb(0x3A, 0x6C, 0xC8), true},   // bluemet
    {rgb(0xD0, 0x9C, 0x1C), true},   // goldmet
    {rgb(0x3A, 0x9A, 0x3A), true},   // grmet
    {rgb(0x8A, 0x8C, 0x90), true},   // greymet
    {rgb(0xEE, 0x84, 0x1A), true},   // orangemet
    {rgb(0xCC, 0x30, 0x2C), true},   // redmet
}};

// Picture 2 is the solid block; pictures 1 and 0, the middle and trailing
// segments of the moving group, fade towards white so the group reads as a
// comet moving to the right.
constexpr std::array<double, kPicturesPerSkin> kFade = {0.55, 0.28, 0.0};

Pixels24 drawSkinPicture(int skin, int index) {
  const SkinStyle& style = kSkinStyles[static_cast<std::size_t>(skin)];
  const auto& rows = style.metal ? kMetalRows : kFlatRows;
  Pixels24 image(kBlockPictureWidth, kBlockPictureHeight, kWhite);
  for (int y = 0; y < kBlockPictureHeight; ++y) {
    const Color rowColour = shade(style.colour, rows[static_cast<std::size_t>(y)]);
    for (int x = 0; x < kBlockPictureWidth; ++x) {
      // The outer columns are a shade darker, so neighbouring blocks stay
      // apart even where the gap between them is squeezed away.
      const bool rim = x == 0 || x == kBlockPictureWidth - 1;
      const Color pixel = rim ? shade(rowColour, -0.12) : rowColour;
      image.set(x, y, shade(pixel, kFade[static_cast<std::size_t>(index)]));
    }
  }
  return image;
}

}  // namespace

const PicturePtr& framePicture() {
  static const PicturePtr frame = Picture::bitmap(drawFrame());
  return frame;
}

const PicturePtr& blankPicture() {
  static const PicturePtr blank =
      Picture::bitmap(Pixels24(kBlockPictureWidth, kBlockPictureHeight, kWhite));
  return blank;
}

PicturePtr skinPicture(int skin, int index) {
  static const auto skins = [] {
    std::array<PicturePtr, kSkinCount * kPicturesPerSkin> drawn;
    for (int n = 0; n < kSkinCount * kPicturesPerSkin; ++n) {
      drawn[static_cast<std::size_t>(n)] =
          Picture::bitmap(drawSkinPicture(n / kPicturesPerSkin, n % kPicturesPerSkin));
    }
    return drawn;
  }();
  if (skin < 0 || skin >= kSkinCount || index < 0 || index >= kPicturesPerSkin) {
    return nullptr;
  }
  return skins[static_cast<std::size_t>(skin * kPicturesPerSkin + index)];
}

}  // namespace vorlane::progressbar
