#pragma once

#include <string>

#include "host/creation_failure.h"
#include "host/message_box.h"

namespace vorlane::win32 {

// MessageBoxA with the stop icon and OK, owned by the active window so that it
// is modal to it.
class Win32ModalMessageBox final : public ModalMessageBox {
 public:
  void showStop(const std::string& text, const std::string& title) override;
};

// The last word of a program that cannot go on: a stop box titled `title`
// naming what could not be created, with no owner (there may be no window).
void showCreationFailure(const CreationFailure& failure, const std::string& title);

}  // namespace vorlane::win32
