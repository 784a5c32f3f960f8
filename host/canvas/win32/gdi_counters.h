#pragma once

// Owners for the GDI objects and memory DCs the canvas and the controls make,
// each counted while it lives. The count lets tests prove that painting
// releases everything it makes (Wine's GetGuiResources always answers 0).

#include <windows.h>

#include "host/win32/handles.h"

namespace vorlane::win32 {

// GDI objects and memory DCs made through the owners below and not released yet.
int liveGdiObjects();

namespace detail {
void countGdiObject(int change);
}  // namespace detail

template <typename Object>
struct CountedGdiTraits {
  static Object invalid() { return nullptr; }
  static bool valid(Object object) { return object != nullptr; }
  static void close(Object object) {
    ::DeleteObject(object);
    detail::countGdiObject(-1);
  }
};

struct CountedMemoryDcTraits {
  static HDC invalid() { return nullptr; }
  static bool valid(HDC dc) { return dc != nullptr; }
  static void close(HDC dc) {
    ::DeleteDC(dc);
    detail::countGdiObject(-1);
  }
};

template <typename Object>
using CountedGdiObject = UniqueHandle<Object, CountedGdiTraits<Object>>;
using CountedPen = CountedGdiObject<HPEN>;
using CountedBrush = CountedGdiObject<HBRUSH>;
using CountedBitmap = CountedGdiObject<HBITMAP>;
using CountedFont = CountedGdiObject<HFONT>;
using CountedRegion = CountedGdiObject<HRGN>;
using CountedMemoryDc = UniqueHandle<HDC, CountedMemoryDcTraits>;

// Takes ownership of a freshly made object (null stays empty and uncounted).
template <typename Object>
CountedGdiObject<Object> adoptGdi(Object object) {
  if (object != nullptr) {
    detail::countGdiObject(1);
  }
  return CountedGdiObject<Object>(object);
}

inline CountedMemoryDc adoptMemoryDc(HDC dc) {
  if (dc != nullptr) {
    detail::countGdiObject(1);
  }
  return CountedMemoryDc(dc);
}

// Hands a region to a window with SetWindowRgn: from then on the window owns
// it. If the window refuses it, the owner keeps (and later deletes) it.
inline bool giveRegionToWindow(HWND window, CountedRegion& region, bool redraw) {
  if (!region || ::SetWindowRgn(window, region.get(), redraw ? TRUE : FALSE) == 0) {
    return false;
  }
  region.release();
  detail::countGdiObject(-1);
  return true;
}

// BeginPaint and EndPaint for one WM_PAINT.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window) { dc_ = ::BeginPaint(window, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() { ::EndPaint(window_, &paint_); }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

}  // namespace vorlane::win32
