#pragma once

#include <windows.h>

#include "controls/progressbar/win32/gdi_bar_surface.h"
#include "controls/progressbar/xp_progressbar.h"
#include "host/message_box.h"
#include "host/property_bag.h"
#include "host/win32/window.h"

namespace vorlane::progressbar::win32 {

// The progress bar as a child window of class "Xp_ProgressBar" that a form
// hosts like any other control. The bar draws into an off-screen surface when
// it is sized and when its Value changes; WM_PAINT and WM_PRINTCLIENT only copy
// that surface to the screen, so the drawing survives covering.
class ProgressBarWindow final : public vorlane::win32::Window {
 public:
  static constexpr const char* kClassName = "Xp_ProgressBar";

  // Creates the window at the given place in the parent's client area
  // (pixels). The persisted properties are read first (an empty bag gives the
  // defaults and loads the default skin), then the window's size draws the
  // frame and the empty bar.
  ProgressBarWindow(HWND parent, int x, int y, int width, int height, ModalMessageBox& messages,
                    const PropertyBag& properties = PropertyBag(), int controlId = 0);
  ~ProgressBarWindow() override;

  Xp_ProgressBar& bar() { return bar_; }
  const Xp_ProgressBar& bar() const { return bar_; }
  const GdiBarSurface& surface() const { return surface_; }

  // The one paint function: WM_PAINT, WM_PRINTCLIENT and tests all use it.
  void paint(HDC dc) const;

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void sized(int width, int height);

  GdiBarSurface surface_;
  Xp_ProgressBar bar_;
  bool sizedOnce_ = false;
};

}  // namespace vorlane::progressbar::win32
