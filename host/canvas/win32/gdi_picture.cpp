#include "host/canvas/win32/gdi_picture.h"

#include <vector>

#include "host/canvas/win32/gdi_canvas.h"

namespace vorlane::win32 {

BITMAPINFO dibHeader(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  return info;
}

namespace {

UniqueBitmap bitmapFromPixels(const Pixels24& pixels) {
  const WindowDc screen(nullptr);
  UniqueBitmap bitmap =
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
  UniqueBitmap colourBitmap = bitmapFromPixels(colour);
  UniqueBitmap maskBitmap = adoptGdi(::CreateBitmap(width, height, 1, 1, mask.data()));
  ICONINFO info{TRUE, 0, 0, maskBitmap.get(), colourBitmap.get()};
  // The icon keeps copies of both bitmaps; ours go when this returns.
  icon_ = UniqueIcon(::CreateIconIndirect(&info));
}

const GdiPicture& gdiPicture(const Picture& picture) {
  if (picture.native() == nullptr) {
    picture.setNative(std::make_unique<GdiPicture>(picture));
  }
  return static_cast<const GdiPicture&>(*picture.native());
}

PicturePtr loadIconPicture(int resourceId, int size) {
  const UniqueIcon icon(
      static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId),
                                      IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
  if (!icon) {
    return nullptr;
  }
  // Drawn once on black and once on white: where the two agree the icon is
  // opaque, elsewhere its mask lets the ground through.
  const WindowDc screen(nullptr);
  const auto drawOn = [&](Color ground) {
    GdiMemoryCanvas canvas(screen.get(), size, size);
    canvas.fillRect({0, 0, size, size}, ground);
    ::DrawIconEx(canvas.dc(), 0, 0, icon.get(), size, size, 0, nullptr, DI_NORMAL);
    return canvas.readPixels(0, 0, size, size);
  };
  Pixels24 onBlack = drawOn(rgb(0, 0, 0));
  const Pixels24 onWhite = drawOn(rgb(255, 255, 255));
  std::vector<bool> opaque;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      opaque.push_back(onBlack.at(x, y) == onWhite.at(x, y));
    }
  }
  return Picture::icon(std::move(onBlack), std::move(opaque));
}

}  // namespace vorlane::win32
