#include "controls/progressbar/win32/progressbar_window.h"

namespace vorlane::progressbar::win32 {

namespace {

// BeginPaint and EndPaint as one scope.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = ::BeginPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { ::EndPaint(window_, &paint_); }
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_ = {};
  HDC dc_ = nullptr;
};

}  // namespace

ProgressBarWindow::ProgressBarWindow(HWND parent, int x, int y, int width, int height,
                                     ModalMessageBox& messages, const PropertyBag& properties,
                                     int controlId)
    : surface_([this] {
        if (handle() != nullptr) {
          ::InvalidateRect(handle(), nullptr, FALSE);
        }
      }),
      bar_(surface_, messages) {
  bar_.ReadProperties(properties);
  createOwn(kClassName, 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, "", x, y, width, height,
            parent);
  if (handle() != nullptr) {
    ::SetWindowLongPtrA(handle(), GWLP_ID, controlId);
    // A child created with its size may not have had a WM_SIZE yet.
    if (!sizedOnce_) {
      RECT client = {};
      ::GetClientRect(handle(), &client);
      sized(client.right, client.bottom);
    }
  }
}

ProgressBarWindow::~ProgressBarWindow() { destroyWindow(); }

void ProgressBarWindow::paint(HDC dc) const { surface_.copyTo(dc); }

void ProgressBarWindow::sized(int width, int height) {
  sizedOnce_ = true;
  surface_.resize(width, height);
  bar_.Resize(width, height);
}

LRESULT ProgressBarWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      sized(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the surface covers the whole client area
    case WM_PAINT: {
      const PaintScope scope(handle());
      paint(scope.dc());
      return 0;
    }
    case WM_PRINTCLIENT:
      paint(reinterpret_cast<HDC>(wParam));
      return 0;
    default:
      return callDefault(message, wParam, lParam);
  }
}

}  // namespace vorlane::progressbar::win32
