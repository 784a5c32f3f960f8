#include "host/win32/message_box.h"

#include <windows.h>

namespace vorlane::win32 {

void Win32ModalMessageBox::showStop(const std::string& text, const std::string& title) {
  ::MessageBoxA(::GetActiveWindow(), text.c_str(), title.c_str(), MB_ICONSTOP | MB_OK);
}

}  // namespace vorlane::win32
