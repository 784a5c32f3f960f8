#include "host/win32/buttons.h"

namespace vorlane::win32 {

OptionButton::OptionButton(Container& container, const TwipsRect& bounds,
                           const std::string& caption, const Font& font, bool selected)
    : Control(container, bounds), font_(createFont(font)) {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_AUTORADIOBUTTON;
  if (container.claimOptionGroupStart()) {
    style |= WS_GROUP;
  }
  const RECT box = pixelBounds();
  createSystem("BUTTON", 0, style, caption.c_str(), box.left, box.top, box.right - box.left,
               box.bottom - box.top, container.containerHandle());
  if (font_) {
    ::SendMessageA(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  }
  if (selected) {
    setSelected(true);
  }
}

OptionButton::~OptionButton() { destroyWindow(); }

bool OptionButton::selected() const {
  return ::SendMessageA(handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void OptionButton::setSelected(bool selected) {
  if (selected) {
    for (HWND sibling = ::GetWindow(container().containerHandle(), GW_CHILD); sibling != nullptr;
         sibling = ::GetWindow(sibling, GW_HWNDNEXT)) {
      if (sibling != handle() && dynamic_cast<OptionButton*>(Control::fromHandle(sibling))) {
        ::SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
      }
    }
  }
  ::SendMessageA(handle(), BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string OptionButton::caption() const {
  char text[256] = {};
  ::GetWindowTextA(handle(), text, sizeof text);
  return text;
}

void OptionButton::command(WORD notification) {
  if (notification == BN_CLICKED && onClick_) {
    onClick_();
  }
}

PushButton::PushButton(Container& container, const TwipsRect& bounds, const std::string& caption,
                       const Font& font)
    : Control(container, bounds), font_(createFont(font)) {
  const RECT box = pixelBounds();
  createSystem("BUTTON", 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON,
               caption.c_str(), box.left, box.top, box.right - box.left, box.bottom - box.top,
               container.containerHandle());
  if (font_) {
    ::SendMessageA(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  }
}

PushButton::~PushButton() { destroyWindow(); }

void PushButton::click() { ::SendMessageA(handle(), BM_CLICK, 0, 0); }

void PushButton::command(WORD notification) {
  if (notification == BN_CLICKED && onClick_) {
    onClick_();
  }
}

}  // namespace vorlane::win32
