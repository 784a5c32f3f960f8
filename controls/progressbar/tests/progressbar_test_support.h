#pragma once

#include <string>
#include <vector>

#include "controls/progressbar/bar_surface.h"
#include "host/message_box.h"

namespace vorlane::progressbar::testing {

// Answers every message box at once and remembers it.
class RecordingMessageBox final : public ModalMessageBox {
 public:
  struct Shown {
    std::string text;
    std::string title;
  };
  void showStop(const std::string& text, const std::string& title) override {
    shown.push_back({text, title});
  }
  std::vector<Shown> shown;
};

// Remembers every drawing call in order, so tests see exactly what a change
// drew.
class RecordingSurface final : public BarSurface {
 public:
  struct Call {
    bool clear = false;
    Picture picture;
    PixelRect source;
    PixelRect destination;
  };
  void clear() override { calls.push_back({true, {}, {}, {}}); }
  void stretchCopy(Picture picture, PixelRect source, PixelRect destination) override {
    calls.push_back({false, picture, source, destination});
  }

  int clears() const {
    int count = 0;
    for (const Call& call : calls) {
      count += call.clear ? 1 : 0;
    }
    return count;
  }
  // The picture copies after the last clear (or all of them).
  std::vector<Call> copiesSinceClear() const {
    std::vector<Call> copies;
    for (const Call& call : calls) {
      if (call.clear) {
        copies.clear();
      } else {
        copies.push_back(call);
      }
    }
    return copies;
  }
  std::vector<Call> calls;
};

}  // namespace vorlane::progressbar::testing
