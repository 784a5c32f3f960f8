#include "host/canvas/win32/gdi_picture.h"

#include <vector>

namespace vorlane::win32 {

BITMAPINFO dibHeader(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

namespace {

CountedBitmap bitmapFromPixels(const Pixels24& pixels) {
  const WindowDc screen(nullptr);
  CountedBitmap bitmap =
      adoptGdi(::CreateCompatibleBitmap(screen.get(), pixels.width(), pixels.height()));
  if (bitmap) {
    const BITMAPINFO info = dibHeader(pixels.width(), pixels.height());
    ::SetDIBits(screen.get(), bitmap.get(), 0, static_cast<UINT>(pixels.height()), pixels.data(),
                &info, DIB_RGB_COLORS);
  }
  return bitmap;
}

}  // namespace

GdiPicture::GdiPicture(const Picture& picture) {
  const Pixels24& pixels = picture.pixels();
  if (picture.type() == PictureType::kBitmap) {
    bitmap_ = bitmapFromPixels(pixels);
    return;
  }
  // An icon: colour pixels black outside the shape, and a monochrome mask
  // with 1 where the icon is transparent (rows of 16-bit words).
  Pixels24 colour = pixels;
  const int width = pixels.width();
  const int height = pixels.height();
  const int maskStride = (width + 15) / 16 * 2;
  std::vector<BYTE> mask(static_cast<std::size_t>(maskStride) * height, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (!picture.opaqueAt(x, y)) {
        colour.set(x, y, 0);
        mask[static_cast<std::size_t>(y) * maskStride + x / 8] |=
            static_cast<BYTE>(0x80 >> (x % 8));
      }
    }
  }
  CountedBitmap colourBitmap = bitmapFromPixels(colour);
  CountedBitmap maskBitmap = adoptGdi(::CreateBitmap(width, height, 1, 1, mask.data()));
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmColor = colourBitmap.get();
  info.hbmMask = maskBitmap.get();
  // The icon keeps copies of both bitmaps; ours go when this returns.
  icon_ = UniqueIcon(::CreateIconIndirect(&info));
}

const GdiPicture& gdiPicture(const Picture& picture) {
  if (picture.native() == nullptr) {
    picture.setNative(std::make_unique<GdiPicture>(picture));
  }
  return static_cast<const GdiPicture&>(*picture.native());
}

}  // namespace vorlane::win32
