#pragma once

#include <string>

namespace vorlane {

// Modal message boxes of the host; tests answer them.
class ModalMessageBox {
 public:
  virtual ~ModalMessageBox() = default;
  // A modal box with the stop icon and one OK button.
  virtual void showStop(const std::string& text, const std::string& title) = 0;
};

}  // namespace vorlane
