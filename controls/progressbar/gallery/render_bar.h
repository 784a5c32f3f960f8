#pragma once

#include "controls/progressbar/picture.h"

namespace vorlane::progressbar::gallery {

// A bar of `width` x `height` with the given skin and style after its Value
// has been set to 1, 2, ... up to `lastValue`, the way a running task drives
// it. Natively drawn on a PixelSurface, on Windows with GDI.
PixelImage renderBar(int width, int height, int skin, int style, int lastValue);

}  // namespace vorlane::progressbar::gallery
