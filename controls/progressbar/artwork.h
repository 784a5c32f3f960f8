#pragma once

#include "host/canvas/picture.h"

namespace vorlane::progressbar {

// The bar's artwork, computed rather than stored: the same pictures serve the
// tests and the window.
constexpr int kFrameWidth = 59;
constexpr int kFrameHeight = 13;
constexpr int kBlockPictureWidth = 8;
constexpr int kBlockPictureHeight = 10;
constexpr int kSkinCount = 8;
constexpr int kPicturesPerSkin = 3;

// The colour a cleared bar shows before the frame covers it: the Luna button
// face, so that the frame's rounded corners blend into a form.
constexpr Color kBackColour = rgb(0xEC, 0xE9, 0xD8);

// The frame picture `img`, the white eraser `blank` and picture `index` of a
// skin, each drawn once per program and shared. A skin or index out of range
// gives null.
const PicturePtr& framePicture();
const PicturePtr& blankPicture();
PicturePtr skinPicture(int skin, int index);

}  // namespace vorlane::progressbar
