#pragma once

#include <string>

#include "controls/progressbar/picture.h"

namespace vorlane::progressbar {

// Saves an image as a 24-bit BMP. False when the file cannot be written.
bool writeBmp(const std::string& path, const PixelImage& image);

// Whether this build can write PNG files (it needs stb_image_write).
bool pngAvailable();

// Saves an image as a PNG. False when the file cannot be written or the build
// has no PNG support.
bool writePng(const std::string& path, const PixelImage& image);

}  // namespace vorlane::progressbar
