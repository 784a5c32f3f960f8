#pragma once

#include <string>

#include "host/canvas/pixels24.h"

namespace vorlane {

// Writes a pixel buffer as a PNG file. Returns false when the file cannot be
// written, or when the build has no PNG output (stb was not found).
bool writeImageFile(const std::string& path, const Pixels24& pixels);

}  // namespace vorlane
