#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "controls/progressbar/bar_surface.h"
#include "controls/progressbar/win32/artwork_bitmaps.h"
#include "host/win32/handles.h"

namespace vorlane::progressbar::win32 {

// The bar's surface on Windows: an off-screen 32-bit bitmap in a memory DC.
// Everything the bar draws stays there, so the window can copy it to the
// screen whenever it has to repaint (after being covered, for instance).
class GdiBarSurface final : public BarSurface {
 public:
  // `drawn` runs after every change of the pixels (the window invalidates
  // itself there).
  explicit GdiBarSurface(std::function<void()> drawn = {});
  GdiBarSurface(const GdiBarSurface&) = delete;
  GdiBarSurface& operator=(const GdiBarSurface&) = delete;
  ~GdiBarSurface() override;

  // A fresh bitmap of the new size, cleared.
  void resize(int width, int height);

  void clear() override;
  void stretchCopy(Picture picture, PixelRect source, PixelRect destination) override;

  // Copies the surface to `target` at its origin.
  void copyTo(HDC target) const;
  // The surface's pixels as they are now.
  PixelImage pixels() const;
  // Every GDI object the surface holds (DC, bitmaps), for checks that they go
  // with it.
  std::vector<HGDIOBJ> objects() const;
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  std::function<void()> drawn_;
  ArtworkBitmaps artwork_;
  vorlane::win32::UniqueMemoryDc dc_;
  vorlane::win32::UniqueBitmap bitmap_;
  // Declared last: put back the DC's own bitmap before ours is deleted.
  std::optional<vorlane::win32::SelectGuard> selection_;
  void* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace vorlane::progressbar::win32
