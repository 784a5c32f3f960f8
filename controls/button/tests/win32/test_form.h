#pragma once

#include <windows.h>

#include "host/win32/handles.h"

namespace vorlane::testing {

// A plain topmost window to host buttons in the Windows tests.
inline win32::UniqueWindow createTestForm(int width, int height) {
  static const bool registered = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "VorlaneButtonTestForm";
    return ::RegisterClassExA(&windowClass) != 0;
  }();
  (void)registered;
  win32::UniqueWindow form(::CreateWindowExA(WS_EX_TOPMOST, "VorlaneButtonTestForm", "Button test",
                                             WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100,
                                             width, height, nullptr, nullptr,
                                             ::GetModuleHandleA(nullptr), nullptr));
  ::UpdateWindow(form.get());
  return form;
}

}  // namespace vorlane::testing
