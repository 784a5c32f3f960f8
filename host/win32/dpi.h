#pragma once

#include <windows.h>

#include "host/twips.h"

namespace vorlane::win32 {

// The screen's real pixels per inch (the program is system-DPI aware, so these
// are the figures the windows are laid out in), read once.
struct Dpi {
  int x = 96;
  int y = 96;

  // The one place the program reads the screen's resolution.
  static const Dpi& screen() {
    static const Dpi dpi = [] {
      Dpi read;
      if (HDC screen = ::GetDC(nullptr)) {
        read.x = ::GetDeviceCaps(screen, LOGPIXELSX);
        read.y = ::GetDeviceCaps(screen, LOGPIXELSY);
        ::ReleaseDC(nullptr, screen);
      }
      return read;
    }();
    return dpi;
  }
  int toPixelsX(double twips) const { return twipsToPixels(twips, x); }
  int toPixelsY(double twips) const { return twipsToPixels(twips, y); }
};

using vorlane::TwipsRect;

}  // namespace vorlane::win32
