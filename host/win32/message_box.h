#pragma once

#include "host/message_box.h"

namespace vorlane::win32 {

// MessageBoxA with the stop icon and OK, owned by the active window so that it
// is modal to it.
class Win32ModalMessageBox final : public ModalMessageBox {
 public:
  void showStop(const std::string& text, const std::string& title) override;
};

}  // namespace vorlane::win32
