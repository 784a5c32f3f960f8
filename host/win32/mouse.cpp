#include "host/win32/mouse.h"

#include <windowsx.h>

namespace vorlane::win32 {

POINT mousePoint(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

void ClickTracker::press(HWND window, std::int16_t button) {
  pressed_ = static_cast<std::int16_t>(pressed_ | button);
  ::SetCapture(window);
}

void ClickTracker::pressAgain(HWND window) {
  afterDoubleClick_ = doubleClick_ == DoubleClick::kEndsNoClick;
  press(window, 1);
}

bool ClickTracker::release(HWND window, std::int16_t button, POINT at) {
  const bool pressedHere = (pressed_ & button) != 0;
  pressed_ = static_cast<std::int16_t>(pressed_ & ~button);
  const bool stillHeld = ::GetKeyState(VK_LBUTTON) < 0 || ::GetKeyState(VK_RBUTTON) < 0 ||
                         ::GetKeyState(VK_MBUTTON) < 0;
  if (!stillHeld && ::GetCapture() == window) {
    ::ReleaseCapture();
  }
  if (afterDoubleClick_ && button == 1) {
    afterDoubleClick_ = false;
    return false;
  }
  RECT client{};
  ::GetClientRect(window, &client);
  return pressedHere && ::PtInRect(&client, at) != FALSE;
}

bool MouseCallbacks::handle(HWND window, UINT message, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (onMove_) {
        onMove_();
      }
      return true;
    case WM_LBUTTONDOWN:
      clicks_.press(window, 1);
      return true;
    case WM_LBUTTONDBLCLK:
      clicks_.pressAgain(window);
      return true;
    case WM_LBUTTONUP:
      if (clicks_.release(window, 1, mousePoint(lParam)) && onClick_) {
        onClick_();
      }
      return true;
    case WM_CAPTURECHANGED:
      clicks_.cancel();
      return false;
    default:
      return false;
  }
}

}  // namespace vorlane::win32
