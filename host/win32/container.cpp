#include "host/win32/container.h"

namespace vorlane::win32 {

Container::Container(COLORREF background)
    : background_(background), brush_(::CreateSolidBrush(background)) {}

void Container::paintBackground(GdiCanvas& canvas) const {
  const RECT client{0, 0, canvas.width(), canvas.height()};
  ::FillRect(canvas.dc(), &client, brush_.get());
}

bool Container::handleContainerMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                       LRESULT& result) {
  const bool colour =
      message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN || message == WM_CTLCOLORLISTBOX;
  if (colour || message == WM_COMMAND) {
    Control* control = Control::fromHandle(reinterpret_cast<HWND>(lParam));
    if (control == nullptr) {
      return false;
    }
    result = colour ? control->controlColour(reinterpret_cast<HDC>(wParam)) : 0;
    if (!colour) {
      control->command(HIWORD(wParam));
    }
    return true;
  }
  result = 0;
  return mouse_.handle(containerHandle(), message, lParam);
}

Control::Control(Container& container, const TwipsRect& bounds)
    : container_(container), bounds_(bounds) {}

void Control::createControl(const char* className, DWORD exStyle, DWORD style, int controlId,
                            UINT classStyle) {
  const RECT box = pixelBounds();
  createOwn(className, exStyle, style, "", box.left, box.top, box.right - box.left,
            box.bottom - box.top, container_.containerHandle(), classStyle, controlId);
}

void Control::createSystemControl(const char* className, DWORD style, const std::string& text,
                                  HFONT font) {
  const RECT box = pixelBounds();
  createSystem(className, 0, style, text.c_str(), box.left, box.top, box.right - box.left,
               box.bottom - box.top, container_.containerHandle());
  if (font != nullptr) {
    ::SendMessageA(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
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

void Control::setLeft(double twips) {
  bounds_.left = twips;
  const RECT box = pixelBounds();
  ::SetWindowPos(handle(), nullptr, box.left, box.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Control::controlColour(HDC dc) {
  ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  ::SetBkColor(dc, container_.background());
  return reinterpret_cast<LRESULT>(container_.backgroundBrush());
}

}  // namespace vorlane::win32
