#include "host/win32/container.h"

namespace vorlane::win32 {

Container::Container(COLORREF background)
    : background_(background), brush_(::CreateSolidBrush(background)) {}

void Container::paintBackground(GdiCanvas& canvas) const {
  const RECT client{0, 0, canvas.width(), canvas.height()};
  ::FillRect(canvas.dc(), &client, brush_.get());
}

LRESULT Container::childColours(HDC dc, COLORREF text) const {
  ::SetTextColor(dc, text);
  ::SetBkColor(dc, background_);
  return reinterpret_cast<LRESULT>(brush_.get());
}

bool Container::handleContainerMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                       LRESULT& result) {
  const bool colour =
      message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN || message == WM_CTLCOLORLISTBOX;
  if (colour || message == WM_COMMAND) {
    Control* control = Control::fromHandle(reinterpret_cast<HWND>(lParam));
    const auto dc = reinterpret_cast<HDC>(wParam);
    if (colour) {
      result = control != nullptr ? control->controlColour(dc)
                                  : childColours(dc, ::GetSysColor(COLOR_WINDOWTEXT));
      return true;
    }
    if (control == nullptr) {
      return false;
    }
    control->command(HIWORD(wParam));
    result = 0;
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
  create(className, false, exStyle, style, "", box.left, box.top, box.right - box.left,
         box.bottom - box.top, container_.containerHandle(), classStyle, controlId);
}

void Control::createSystemControl(const char* className, DWORD style, const std::string& text,
                                  HFONT font) {
  const RECT box = pixelBounds();
  create(className, true, 0, style, text.c_str(), box.left, box.top, box.right - box.left,
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

}  // namespace vorlane::win32
