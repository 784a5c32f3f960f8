#include "controls/progressbar/win32/artwork_bitmaps.h"

#include <cstring>

namespace vorlane::progressbar::win32 {

using vorlane::win32::UniqueBitmap;

namespace {

UniqueBitmap bitmapOf(Picture picture) {
  const PixelImage& image = artworkPicture(picture);
  void* bits = nullptr;
  UniqueBitmap bitmap = createPixelBitmap(image.width, image.height, &bits);
  if (bitmap && bits != nullptr) {
    std::memcpy(bits, image.pixels.data(), image.pixels.size() * sizeof(Rgb));
  }
  return bitmap;
}

}  // namespace

UniqueBitmap createPixelBitmap(int width, int height, void** bits) {
  *bits = nullptr;
  if (width <= 0 || height <= 0) {
    return UniqueBitmap();
  }
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, like PixelImage
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return UniqueBitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0));
}

ArtworkBitmaps::ArtworkBitmaps()
    : frame_(bitmapOf(Picture::img())), blank_(bitmapOf(Picture::blank())) {
  for (int skin = 0; skin < kSkinCount; ++skin) {
    for (int index = 0; index < kPicturesPerSkin; ++index) {
      skins_[static_cast<std::size_t>(skin)][static_cast<std::size_t>(index)] =
          bitmapOf(Picture::skinPicture(skin, index));
    }
  }
}

HBITMAP ArtworkBitmaps::get(Picture picture) const {
  switch (picture.kind) {
    case Picture::Kind::Frame:
      return frame_.get();
    case Picture::Kind::Blank:
      return blank_.get();
    case Picture::Kind::Skin:
      if (picture.skin >= 0 && picture.skin < kSkinCount && picture.index >= 0 &&
          picture.index < kPicturesPerSkin) {
        return skins_[static_cast<std::size_t>(picture.skin)]
                     [static_cast<std::size_t>(picture.index)]
                         .get();
      }
      break;
  }
  return nullptr;
}

std::vector<HGDIOBJ> ArtworkBitmaps::objects() const {
  std::vector<HGDIOBJ> held = {frame_.get(), blank_.get()};
  for (const auto& skin : skins_) {
    for (const auto& bitmap : skin) {
      held.push_back(bitmap.get());
    }
  }
  return held;
}

}  // namespace vorlane::progressbar::win32
