#pragma once

#include <string>

#include "host/canvas/pixels24.h"

namespace vorlane {

// Writes a pixel buffer as an image file: PNG when the name ends in ".png" and
// PNG output is built in, otherwise a 24-bit BMP. Returns false when the file
// cannot be written (or PNG is asked for but not available).
bool writeImageFile(const std::string& path, const Pixels24& pixels);
bool pngAvailable();

}  // namespace vorlane
