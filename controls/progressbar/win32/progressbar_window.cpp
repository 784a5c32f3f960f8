#include "controls/progressbar/win32/progressbar_window.h"

namespace vorlane::progressbar::win32 {

ProgressBarWindow::ProgressBarWindow(vorlane::win32::Container& container, const TwipsRect& bounds,
                                     ModalMessageBox& messages, const PropertyBag& properties)
    : Control(container, bounds),
      surface_(vorlane::win32::WindowDc(nullptr).get(), 1, 1),
      bar_(surface_, messages, [this](std::string_view) {
        // Every drawing follows a property change; the screen catches up at
        // the next WM_PAINT.
        if (handle() != nullptr) {
          ::InvalidateRect(handle(), nullptr, FALSE);
        }
        // A screen reader hears of every change that moves the percentage.
        accessibleChanged();
      }) {
  bar_.ReadProperties(properties);
  setAccessible(&accessible_);
  createControl(kClassName, 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
  // A child created with its size may not have had a WM_SIZE yet.
  if (handle() != nullptr && !sizedOnce_) {
    RECT client{};
    ::GetClientRect(handle(), &client);
    sized(client.right, client.bottom);
  }
}

ProgressBarWindow::~ProgressBarWindow() { destroyWindow(); }

void ProgressBarWindow::paint(vorlane::win32::GdiCanvas& canvas) {
  canvas.copyFrom(surface_, 0, 0, surface_.width(), surface_.height(), 0, 0);
}

void ProgressBarWindow::sized(int width, int height) {
  sizedOnce_ = true;
  surface_.resize(width, height);
  bar_.Resize(width, height);
  ::InvalidateRect(handle(), nullptr, FALSE);
}

LRESULT ProgressBarWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) {
    sized(LOWORD(lParam), HIWORD(lParam));
    return 0;
  }
  return callDefault(message, wParam, lParam);
}

}  // namespace vorlane::progressbar::win32
