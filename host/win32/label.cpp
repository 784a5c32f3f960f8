#include "host/win32/label.h"

namespace vorlane::win32 {

namespace {

DWORD alignmentStyle(Alignment alignment) {
  constexpr DWORD kStyles[] = {SS_LEFTNOWORDWRAP, SS_CENTER, SS_RIGHT};
  return kStyles[static_cast<int>(alignment)];
}

}  // namespace

Label::Label(Container& container, const TwipsRect& bounds, const std::string& text,
             LabelOptions options)
    : Control(container, bounds), options_(std::move(options)), font_(createFont(options_.font)) {
  // SS_NOTIFY: the label takes the mouse itself, so moving onto a label is not
  // moving over the bare panel beneath it.
  createSystemControl("STATIC",
                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_NOTIFY | SS_NOPREFIX |
                          alignmentStyle(options_.alignment),
                      text, font_.get());
  fitToText();
}

void Label::setText(const std::string& text) {
  ::SetWindowTextA(handle(), text.c_str());
  fitToText();
  ::InvalidateRect(handle(), nullptr, TRUE);
}

void Label::setUnderline(bool underline) {
  Font font = options_.font;
  font.underline = underline;
  UniqueFont created = underline != options_.font.underline ? createFont(font) : UniqueFont();
  if (!created) {
    return;
  }
  options_.font = font;
  // The window lets go of the old font before it is deleted.
  ::SendMessageA(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(created.get()), FALSE);
  font_ = std::move(created);
  fitToText();
  ::InvalidateRect(handle(), nullptr, TRUE);
}

LRESULT Label::controlColour(HDC dc) {
  ::SetBkMode(dc, TRANSPARENT);
  return container().childColours(dc, options_.colour.value_or(::GetSysColor(COLOR_BTNTEXT)));
}

LRESULT Label::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (mouse_.handle(handle(), message, lParam)) {
    return 0;
  }
  return callDefault(message, wParam, lParam);
}

void Label::fitToText() {
  if (!options_.autoSize || handle() == nullptr) {
    return;
  }
  const std::string content = text();
  WindowDc dc(handle());
  if (!dc) {
    return;
  }
  SelectGuard selectFont(dc.get(),
                         font_ ? static_cast<HGDIOBJ>(font_.get()) : ::GetStockObject(SYSTEM_FONT));
  RECT extent = {0, 0, 0, 0};
  if (content.empty()) {
    // An empty label keeps the height of one line, as a sized label does.
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc.get(), &metrics);
    extent.bottom = metrics.tmHeight;
  } else {
    ::DrawTextA(dc.get(), content.c_str(), static_cast<int>(content.size()), &extent,
                DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  }
  // The label keeps the edge or centre its alignment names, so a centred title
  // stays centred over its box and a right-aligned one ends where its box ends.
  const RECT box = pixelBounds();
  const Alignment anchor = options_.sizeFromTopLeft ? Alignment::kLeft : options_.alignment;
  int left = box.left;
  if (anchor == Alignment::kCenter) {
    left += (box.right - box.left - extent.right) / 2;
  } else if (anchor == Alignment::kRight) {
    left = box.right - extent.right;
  }
  ::SetWindowPos(handle(), nullptr, left, box.top, extent.right, extent.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vorlane::win32
