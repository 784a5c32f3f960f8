#pragma once

#include <memory>

#include "host/canvas/canvas.h"

namespace vorlane::progressbar::gallery {

// The surface a gallery bar is drawn on: natively a PixelCanvas, on Windows a
// GDI memory canvas like the window's.
std::unique_ptr<Canvas> barSurface(int width, int height);

}  // namespace vorlane::progressbar::gallery
