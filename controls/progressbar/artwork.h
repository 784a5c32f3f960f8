#pragma once

#include <array>
#include <string_view>

#include "controls/progressbar/picture.h"

namespace vorlane::progressbar {

// The bar's artwork, computed rather than stored: the same pixels serve the
// native tests, the gallery and the bitmaps the Windows glue creates.
constexpr int kFrameWidth = 59;
constexpr int kFrameHeight = 13;
constexpr int kBlockPictureWidth = 8;
constexpr int kBlockPictureHeight = 10;
constexpr int kSkinCount = 8;
constexpr int kPicturesPerSkin = 3;

// Skin names in ProgressLook order.
constexpr std::array<std::string_view, kSkinCount> kSkinNames = {
    "master", "blue", "bluemet", "goldmet", "grmet", "greymet", "orangemet", "redmet"};

// Width and height of a picture.
PixelRect pictureBounds(Picture picture);

// The pixels of a picture. Every picture of the artwork is valid here; a skin
// or index out of range gives an empty image.
PixelImage drawPicture(Picture picture);

// The same pixels, drawn once per program and kept for its lifetime.
const PixelImage& artworkPicture(Picture picture);

}  // namespace vorlane::progressbar
