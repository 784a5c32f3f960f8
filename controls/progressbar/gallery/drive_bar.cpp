#include <cstdio>
#include <string>

#include "controls/progressbar/gallery/render_bar.h"
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

void driveBar(Canvas& surface, int width, int height, int skin, int style, int lastValue) {
  PrintingMessageBox messages;
  Xp_ProgressBar bar(surface, messages);
  bar.setProgressLook(skin);
  bar.setStyle(style);
  bar.Resize(width, height);
  for (int value = 1; value <= lastValue; ++value) {
    bar.setValue(value);
  }
}

}  // namespace vorlane::progressbar::gallery
