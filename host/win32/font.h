#pragma once

#include <windows.h>

#include <string>

#include "host/win32/handles.h"

namespace vorlane::win32 {

// A font as the layout tables name it: face, size in points, weight, underline.
struct FontSpec {
  std::string face = "Arial";
  double points = 8.25;
  bool bold = false;
  bool underline = false;
  bool italic = false;
};

// Creates the font at the screen's DPI. Null only if GDI refuses, in which case
// the control keeps the system font.
UniqueFont createFont(const FontSpec& wanted);

}  // namespace vorlane::win32
