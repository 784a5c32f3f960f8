#pragma once

#include <windows.h>

#include <string>

namespace vorlane::win32::testing {

// Captures a window as the screen shows it, children included (BitBlt from its
// window DC), into a 24-bit BMP file. False when any step fails.
bool saveWindowBitmap(HWND window, const std::string& path);

}  // namespace vorlane::win32::testing
