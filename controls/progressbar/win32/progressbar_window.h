#pragma once

#include <windows.h>

#include "controls/progressbar/progressbar_accessible.h"
#include "controls/progressbar/xp_progressbar.h"
#include "host/message_box.h"
#include "host/property_bag.h"
#include "host/win32/container.h"

namespace vorlane::progressbar::win32 {

// The progress bar as a control of the forms toolkit, a child window of class
// "Xp_ProgressBar". The bar draws into an off-screen canvas when it is sized
// and when its Value changes; painting only copies that canvas to the screen,
// so the drawing survives covering.
class ProgressBarWindow final : public vorlane::win32::Control {
 public:
  static constexpr const char* kClassName = "Xp_ProgressBar";

  // The persisted properties (an empty bag: the defaults and the default
  // skin) are read first, then the window's size draws the frame and the
  // empty bar.
  ProgressBarWindow(vorlane::win32::Container& container, const TwipsRect& bounds,
                    ModalMessageBox& messages, const PropertyBag& properties = PropertyBag());
  ~ProgressBarWindow() override;

  Xp_ProgressBar& bar() { return bar_; }
  // What the bar has drawn so far.
  Pixels24 pixels() const { return surface_.readPixels(0, 0, surface_.width(), surface_.height()); }

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void paint(vorlane::win32::GdiCanvas& canvas) override;

 private:
  void sized(int width, int height);

  vorlane::win32::GdiMemoryCanvas surface_;
  Xp_ProgressBar bar_;
  ProgressBarAccessible accessible_{bar_};
  bool sizedOnce_ = false;
};

}  // namespace vorlane::progressbar::win32
