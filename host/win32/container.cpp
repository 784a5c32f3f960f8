#include "host/win32/container.h"

namespace vorlane::win32 {

Container::Container(COLORREF background)
    : background_(background), brush_(::CreateSolidBrush(background)) {}

void Container::setBackground(COLORREF colour) {
  background_ = colour;
  brush_.reset(::CreateSolidBrush(colour));
  ::InvalidateRect(containerHandle(), nullptr, TRUE);
}

void Container::paintBackground(GdiCanvas& canvas) const {
  const RECT client{0, 0, canvas.width(), canvas.height()};
  ::FillRect(canvas.dc(), &client, brush_.get());
}

bool Container::handleContainerMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                       LRESULT& result) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (auto* control = Control::fromHandle(reinterpret_cast<HWND>(lParam))) {
        result = control->controlColour(reinterpret_cast<HDC>(wParam));
        return true;
      }
      return false;
    case WM_COMMAND:
      if (auto* control = Control::fromHandle(reinterpret_cast<HWND>(lParam))) {
        control->command(HIWORD(wParam));
        result = 0;
        return true;
      }
      return false;
    default:
      if (mouse_.handle(containerHandle(), message, lParam)) {
        result = 0;
        return true;
      }
      return false;
  }
}

Control::Control(Container& container, const TwipsRect& bounds)
    : container_(container), bounds_(bounds) {}

Control* Control::fromHandle(HWND window) {
  return dynamic_cast<Control*>(Window::fromHandle(window));
}

void Control::createControl(const char* className, DWORD exStyle, DWORD style, int controlId,
                            UINT classStyle) {
  const RECT box = pixelBounds();
  createOwn(className, exStyle, style, "", box.left, box.top, box.right - box.left,
            box.bottom - box.top, container_.containerHandle(), classStyle, controlId);
}

RECT Control::pixelBounds() const {
  const Dpi& dpi = Dpi::screen();
  const int left = dpi.toPixelsX(bounds_.left);
  const int top = dpi.toPixelsY(bounds_.top);
  return RECT{left, top, left + dpi.toPixelsX(bounds_.width), top + dpi.toPixelsY(bounds_.height)};
}

void Control::applyBounds() {
  const RECT box = pixelBounds();
  ::SetWindowPos(handle(), nullptr, box.left, box.top, box.right - box.left, box.bottom - box.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::moveTo(const TwipsRect& bounds) {
  bounds_ = bounds;
  applyBounds();
}

void Control::setLeft(double twips) {
  bounds_.left = twips;
  const RECT box = pixelBounds();
  ::SetWindowPos(handle(), nullptr, box.left, box.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::setVisible(bool visible) { ::ShowWindow(handle(), visible ? SW_SHOWNA : SW_HIDE); }

bool Control::visible() const {
  return handle() != nullptr && (::GetWindowLongPtrA(handle(), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Control::setEnabled(bool enabled) { ::EnableWindow(handle(), enabled ? TRUE : FALSE); }

bool Control::enabled() const { return handle() != nullptr && ::IsWindowEnabled(handle()); }

void Control::bringToFront() {
  ::SetWindowPos(handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Control::sendToBack() {
  ::SetWindowPos(handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Control::focus() { ::SetFocus(handle()); }

LRESULT Control::controlColour(HDC dc) {
  ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  ::SetBkColor(dc, container_.background());
  return reinterpret_cast<LRESULT>(container_.backgroundBrush());
}

}  // namespace vorlane::win32
