#include "host/win32/panel.h"

namespace vorlane::win32 {

Panel::Panel(Container& container, const TwipsRect& bounds, COLORREF background)
    : Control(container, bounds), Container(background) {
  createControl("VorlanePanel", WS_EX_CONTROLPARENT,
                WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
}

LRESULT Panel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (handleContainerMessage(message, wParam, lParam, result)) {
    return result;
  }
  return callDefault(message, wParam, lParam);
}

Frame::Frame(Container& container, const TwipsRect& bounds, const std::string& caption,
             const Font& font, COLORREF background)
    : Panel(container, bounds, background), font_(createFont(font)) {
  RECT client = {};
  ::GetClientRect(handle(), &client);
  // The group box is a plain child of the panel, kept at the bottom so that
  // the panel's controls lie over it and it is never a tab stop.
  groupBox_ = ::CreateWindowExA(
      0, "BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_GROUPBOX, 0, 0,
      client.right, client.bottom, handle(), nullptr, ::GetModuleHandleA(nullptr), nullptr);
  if (groupBox_ != nullptr) {
    if (font_) {
      ::SendMessageA(groupBox_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    ::SetWindowPos(groupBox_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  // A group box draws only its line and caption: the panel's own background
  // must reach under it, so the panel does not clip its children away.
  ::SetWindowLongA(handle(), GWL_STYLE, ::GetWindowLongA(handle(), GWL_STYLE) & ~WS_CLIPCHILDREN);
}

LRESULT Frame::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // A new child goes below its siblings, so below the group box, which would
  // then cover it: the group box goes back to the bottom.
  if (message == WM_PARENTNOTIFY && LOWORD(wParam) == WM_CREATE && groupBox_ != nullptr &&
      reinterpret_cast<HWND>(lParam) != groupBox_) {
    ::SetWindowPos(groupBox_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  return Panel::handleMessage(message, wParam, lParam);
}

}  // namespace vorlane::win32
