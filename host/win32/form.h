#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "host/win32/container.h"
#include "host/win32/window.h"

namespace vorlane::win32 {

// A form's caption and client size (twips) in that order; everything else by
// name, each with its default.
struct FormOptions {
  std::string caption;
  double clientWidth = 0;
  double clientHeight = 0;
  COLORREF background = RGB(0, 0, 0);
  bool topmost = false;
  // The options screen has a taskbar button; the splash and the pop-up do not.
  bool taskbarButton = false;
  // An ordinary sizable window with a title bar, placed where the system puts
  // new windows (the diagnostic form), instead of a borderless centred one.
  bool sizable = false;
};

// A top-level window without border or title bar, its client area sized in
// twips, placed at the centre of the screen when created, hidden until shown
// (or, when asked, an ordinary sizable window the system places).
// Destroying it (or the program ending) does not end the program by itself.
class Form : public Window, public Container {
 public:
  explicit Form(const FormOptions& options);
  ~Form() override;

  HWND containerHandle() const override { return handle(); }
  // Shows the window, which also activates it.
  void show();
  void hide();
  bool visible() const;
  void activate();
  // Above every window that is not topmost itself, without moving it.
  void makeTopmost();
  void setCaption(const std::string& caption);
  std::string caption() const;
  // What Alt+F4 or the taskbar's Close does; without a callback it does nothing,
  // so a form only goes when its owner says so.
  void setOnCloseRequest(std::function<void()> onClose) { onClose_ = std::move(onClose); }
  // Keys pressed while the form itself has the keyboard (a form without
  // focusable controls, such as the pop-up): `onKey` gets the first press of
  // each key as its virtual-key code, not the auto-repeats, so a held key acts
  // once. With it set, the dialog keys (Enter, Esc, Tab) come here too.
  void setOnKeyDown(std::function<void(UINT)> onKey) { onKeyDown_ = std::move(onKey); }

  // Destroys the window of every form that still has one (the end of the program).
  static void destroyAll();

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void paint(GdiCanvas& canvas) override { paintBackground(canvas); }

 private:
  std::function<void()> onClose_;
  std::function<void(UINT)> onKeyDown_;
};

}  // namespace vorlane::win32
