#pragma once

#include "host/twips.h"

namespace vorlane::win32 {

// The screen's real pixels per inch (the program is system-DPI aware, so these
// are the figures the windows are laid out in), read once.
struct Dpi {
  int x = 96;
  int y = 96;

  static const Dpi& screen();
  int toPixelsX(double twips) const { return twipsToPixels(twips, x); }
  int toPixelsY(double twips) const { return twipsToPixels(twips, y); }
};

using vorlane::TwipsRect;

}  // namespace vorlane::win32
