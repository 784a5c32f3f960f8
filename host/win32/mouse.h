#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

namespace vorlane::win32 {

// Which mouse buttons were pressed on one window, and whether a release is a
// click: a release over the window of a press made on it. The window holds the
// mouse while a button is down, so the release reaches it even off the window.
// Buttons are the bits 1 (left), 2 (right) and 4 (middle).
class ClickTracker {
 public:
  enum class DoubleClick {
    kIsAPress,     // the release after a double-click clicks again (a link)
    kEndsNoClick,  // the release that ends a double-click is not a click (a button)
  };

  explicit ClickTracker(DoubleClick doubleClick = DoubleClick::kIsAPress)
      : doubleClick_(doubleClick) {}

  void press(HWND window, std::int16_t button);  // WM_xBUTTONDOWN
  void pressAgain(HWND window);                  // WM_LBUTTONDBLCLK
  // WM_xBUTTONUP at `at` (client pixels): true when it is a click.
  bool release(HWND window, std::int16_t button, POINT at);
  // WM_CAPTURECHANGED: another window took the mouse; no press stands.
  void cancel() { pressed_ = 0; }

 private:
  DoubleClick doubleClick_;
  std::int16_t pressed_ = 0;
  bool afterDoubleClick_ = false;
};

// The pointer and click callbacks of a window that wants only those (a panel, a
// label as a link).
class MouseCallbacks {
 public:
  void setOnMouseMove(std::function<void()> onMove) { onMove_ = std::move(onMove); }
  void setOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }
  // True when it has handled the message.
  bool handle(HWND window, UINT message, LPARAM lParam);

 private:
  std::function<void()> onMove_;
  std::function<void()> onClick_;
  ClickTracker clicks_;
};

POINT mousePoint(LPARAM lParam);

}  // namespace vorlane::win32
