#include <cstdio>
#include <string>

#include "controls/progressbar/gallery/render_bar.h"
#include "controls/progressbar/win32/gdi_bar_surface.h"
#include "controls/progressbar/xp_progressbar.h"

namespace vorlane::progressbar::gallery {

namespace {

class PrintingMessageBox final : public ModalMessageBox {
 public:
  void showStop(const std::string& text, const std::string& title) override {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  }
};

}  // namespace

// The Windows gallery draws with GDI itself, the surface the window uses.
PixelImage renderBar(int width, int height, int skin, int style, int lastValue) {
  PrintingMessageBox messages;
  win32::GdiBarSurface surface;
  surface.resize(width, height);
  Xp_ProgressBar bar(surface, messages);
  bar.setProgressLook(skin);
  bar.setStyle(style);
  bar.Resize(width, height);
  for (int value = 1; value <= lastValue; ++value) {
    bar.setValue(value);
  }
  return surface.pixels();
}

}  // namespace vorlane::progressbar::gallery
