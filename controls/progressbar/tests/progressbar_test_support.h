#pragma once

#include <string>
#include <vector>

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

}  // namespace vorlane::progressbar::testing
