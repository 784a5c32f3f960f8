#pragma once

#include <string>

#include "host/message_box.h"

namespace vorlane::progressbar::testing {

// Answers every message box at once and remembers it as "text|title;".
class RecordingMessageBox final : public ModalMessageBox {
 public:
  void showStop(const std::string& text, const std::string& title) override {
    shown += text + "|" + title + ";";
  }
  std::string shown;
};

}  // namespace vorlane::progressbar::testing
