#include "controls/progressbar/win32/gdi_bar_surface.h"

#include <cstring>

namespace vorlane::progressbar::win32 {

using vorlane::win32::SelectGuard;
using vorlane::win32::UniqueBrush;
using vorlane::win32::UniqueMemoryDc;

namespace {

COLORREF colorRefOf(Rgb colour) {
  return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

}  // namespace

GdiBarSurface::GdiBarSurface(std::function<void()> drawn)
    : drawn_(std::move(drawn)), dc_(::CreateCompatibleDC(nullptr)) {
  // Shrunk pictures (the squeezed last block, the half-width segments) drop
  // whole columns, as the portable surface does, instead of ANDing them.
  if (dc_) {
    ::SetStretchBltMode(dc_.get(), COLORONCOLOR);
  }
}

GdiBarSurface::~GdiBarSurface() = default;

void GdiBarSurface::resize(int width, int height) {
  selection_.reset();
  bitmap_.reset();
  bits_ = nullptr;
  width_ = width > 0 ? width : 0;
  height_ = height > 0 ? height : 0;
  bitmap_ = createPixelBitmap(width_, height_, &bits_);
  if (bitmap_ && dc_) {
    selection_.emplace(dc_.get(), bitmap_.get());
  }
  clear();
}

void GdiBarSurface::clear() {
  if (!bitmap_ || !dc_) {
    return;
  }
  const UniqueBrush brush(::CreateSolidBrush(colorRefOf(kBackColour)));
  const RECT all = {0, 0, width_, height_};
  ::FillRect(dc_.get(), &all, brush.get());
  if (drawn_) {
    drawn_();
  }
}

void GdiBarSurface::stretchCopy(Picture picture, PixelRect source, PixelRect destination) {
  const HBITMAP bitmap = artwork_.get(picture);
  if (!bitmap_ || !dc_ || bitmap == nullptr) {
    return;
  }
  const UniqueMemoryDc pictureDc(::CreateCompatibleDC(dc_.get()));
  if (!pictureDc) {
    return;
  }
  {
    const SelectGuard selected(pictureDc.get(), bitmap);
    ::StretchBlt(dc_.get(), destination.x, destination.y, destination.width, destination.height,
                 pictureDc.get(), source.x, source.y, source.width, source.height, SRCCOPY);
  }
  if (drawn_) {
    drawn_();
  }
}

void GdiBarSurface::copyTo(HDC target) const {
  if (bitmap_ && dc_) {
    ::BitBlt(target, 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);
  }
}

PixelImage GdiBarSurface::pixels() const {
  PixelImage image(width_, height_, 0);
  if (bits_ != nullptr) {
    ::GdiFlush();
    std::memcpy(image.pixels.data(), bits_, image.pixels.size() * sizeof(Rgb));
    // The DIB's fourth byte is not part of the colour.
    for (Rgb& pixel : image.pixels) {
      pixel &= 0x00FFFFFF;
    }
  }
  return image;
}

std::vector<HGDIOBJ> GdiBarSurface::objects() const {
  std::vector<HGDIOBJ> held = artwork_.objects();
  held.push_back(dc_.get());
  held.push_back(bitmap_.get());
  return held;
}

}  // namespace vorlane::progressbar::win32
