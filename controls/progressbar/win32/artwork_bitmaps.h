#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "controls/progressbar/artwork.h"
#include "host/win32/handles.h"

namespace vorlane::progressbar::win32 {

// The bar's artwork as GDI bitmaps, made at run time from the same computed
// pixels the portable code uses, so there is one source of truth for it.
class ArtworkBitmaps {
 public:
  ArtworkBitmaps();

  // The bitmap of a picture; null for a picture outside the artwork.
  HBITMAP get(Picture picture) const;
  // Every bitmap held, for checks that they go with their owner.
  std::vector<HGDIOBJ> objects() const;

 private:
  vorlane::win32::UniqueBitmap frame_;
  vorlane::win32::UniqueBitmap blank_;
  std::array<std::array<vorlane::win32::UniqueBitmap, kPicturesPerSkin>, kSkinCount> skins_;
};

// A 32-bit top-down DIB section of the given size and, through `bits`, its
// pixels (0x00RRGGBB each). Null on failure.
vorlane::win32::UniqueBitmap createPixelBitmap(int width, int height, void** bits);

}  // namespace vorlane::progressbar::win32
