#pragma once

#include "host/canvas/canvas.h"

namespace vorlane::progressbar::gallery {

// A bar of `width` x `height` with the given skin and style after its Value
// has been set to 1, 2, ... up to `lastValue`, the way a running task drives
// it. Natively drawn on a PixelCanvas, on Windows with GDI.
Pixels24 renderBar(int width, int height, int skin, int style, int lastValue);

// The drive both renderers share: a bar on `surface` (already `width` x
// `height`) is given the skin and style, sized, and fed the Values 1 to
// `lastValue`. A rejected value is printed to stderr.
void driveBar(Canvas& surface, int width, int height, int skin, int style, int lastValue);

}  // namespace vorlane::progressbar::gallery
