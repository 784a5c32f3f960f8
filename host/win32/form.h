#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "host/win32/container.h"
#include "host/win32/window.h"

namespace vorlane::win32 {

// Caption and client size (twips) in that order; everything else by name.
struct FormOptions {
  std::string caption;
  double clientWidth = 0;
  double clientHeight = 0;
  COLORREF background = RGB(0, 0, 0);
  bool topmost = false;
  // The options screen has a taskbar button; the splash and the pop-up do not.
  bool taskbarButton = false;
  // An ordinary window with a title bar where the system puts it (the
  // diagnostic form).
  bool sizable = false;
};

// A top-level window without border or title bar, its client area sized in
// twips, at the centre of the screen, hidden until shown (or, when asked, an
// ordinary sizable window the system places). Destroying it does not end the
// program.
class Form : public Window, public Container {
 public:
  explicit Form(const FormOptions& options);
  ~Form() override { destroyWindow(); }

  HWND containerHandle() const override { return handle(); }
  void show() { ::ShowWindow(handle(), SW_SHOW); }  // which also activates it
  void hide() { ::ShowWindow(handle(), SW_HIDE); }
  bool visible() const { return handle() != nullptr && ::IsWindowVisible(handle()); }
  void activate() { ::SetForegroundWindow(handle()); }
  // Above every window that is not topmost itself, without moving it.
  void makeTopmost() {
    ::SetWindowPos(handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
  // Alt+F4 or the taskbar's Close; without a callback nothing, so a form only
  // goes when its owner says so.
  void setOnCloseRequest(std::function<void()> onClose) { onClose_ = std::move(onClose); }
  // The first press (not the auto-repeats) of each key while the form itself
  // has the keyboard (the pop-up), dialog keys included.
  void setOnKeyDown(std::function<void(UINT)> onKey) { onKeyDown_ = std::move(onKey); }

  // The end of the program.
  static void destroyAll();

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void paint(GdiCanvas& canvas) override { paintBackground(canvas); }

 private:
  std::function<void()> onClose_;
  std::function<void(UINT)> onKeyDown_;
};

}  // namespace vorlane::win32
