#pragma once

#include <windows.h>

#include "host/canvas/picture.h"
#include "host/win32/handles.h"

namespace vorlane::win32 {

// The Win32 side of a picture: a bitmap or an icon made from its pixels, kept
// with the picture for as long as it lives.
class GdiPicture final : public NativePicture {
 public:
  explicit GdiPicture(const Picture& picture);
  HBITMAP bitmap() const { return bitmap_.get(); }
  HICON icon() const { return icon_.get(); }

 private:
  UniqueBitmap bitmap_;
  UniqueIcon icon_;
};

// The picture's handles, made on first use.
const GdiPicture& gdiPicture(const Picture& picture);

// Icon resource `resourceId` of the exe, `size` pixels square, as a picture;
// null when the exe lacks it.
PicturePtr loadIconPicture(int resourceId, int size);

// A 24-bit bottom-up DIB header for `width` by `height` pixels.
BITMAPINFO dibHeader(int width, int height);

}  // namespace vorlane::win32
