#include "host/win32/dpi.h"

#include <windows.h>

namespace vorlane::win32 {

const Dpi& Dpi::screen() {
  static const Dpi dpi = [] {
    Dpi read;
    HDC screen = ::GetDC(nullptr);
    if (screen != nullptr) {
      read.x = ::GetDeviceCaps(screen, LOGPIXELSX);
      read.y = ::GetDeviceCaps(screen, LOGPIXELSY);
      ::ReleaseDC(nullptr, screen);
    }
    return read;
  }();
  return dpi;
}

}  // namespace vorlane::win32
