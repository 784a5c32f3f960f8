#include "host/win32/buttons.h"

namespace vorlane::win32 {

SystemButton::SystemButton(Container& container, const TwipsRect& bounds,
                           const std::string& caption, const Font& font, DWORD style)
    : Control(container, bounds), font_(createFont(font)) {
  createSystemControl("BUTTON", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | style,
                      caption, font_.get());
}

void SystemButton::command(WORD notification) {
  if (notification == BN_CLICKED && onClick_) {
    onClick_();
  }
}

// Selecting one clears the container's other option buttons.
OptionButton::OptionButton(Container& container, const TwipsRect& bounds,
                           const std::string& caption, const Font& font, bool selected)
    : SystemButton(container, bounds, caption, font,
                   BS_AUTORADIOBUTTON | (container.claimOptionGroupStart() ? WS_GROUP : 0)) {
  if (!selected) {
    return;
  }
  for (HWND sibling = ::GetWindow(container.containerHandle(), GW_CHILD); sibling != nullptr;
       sibling = ::GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling != handle() && dynamic_cast<OptionButton*>(Control::fromHandle(sibling))) {
      ::SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  ::SendMessageA(handle(), BM_SETCHECK, BST_CHECKED, 0);
}

PushButton::PushButton(Container& container, const TwipsRect& bounds, const std::string& caption,
                       const Font& font)
    : SystemButton(container, bounds, caption, font, BS_PUSHBUTTON) {}

}  // namespace vorlane::win32
