#include "controls/button/win32/xp_button_window.h"

#include <cctype>
#include <string>
#include <utility>

#include "host/canvas/win32/gdi_picture.h"

namespace vorlane::win32 {

namespace {

// Shift 1, Ctrl 2, Alt 4, as the events hand them on.
std::int16_t shiftMask() {
  return static_cast<std::int16_t>((::GetKeyState(VK_SHIFT) < 0 ? 1 : 0) |
                                   (::GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
                                   (::GetKeyState(VK_MENU) < 0 ? 4 : 0));
}

// Left 1, right 2, middle 4.
std::int16_t heldButtons(WPARAM wParam) {
  return static_cast<std::int16_t>(((wParam & MK_LBUTTON) ? 1 : 0) |
                                   ((wParam & MK_RBUTTON) ? 2 : 0) |
                                   ((wParam & MK_MBUTTON) ? 4 : 0));
}

// The surface's standard pointers by number (0 and 1 the arrow, 4 the icon
// pointer shown as the arrow); 99 is the custom MouseIcon.
LPCSTR standardCursor(std::int32_t pointer) {
  static const LPCSTR kCursors[] = {IDC_ARROW,    IDC_ARROW,       IDC_CROSS,    IDC_IBEAM,
                                    IDC_ARROW,    IDC_SIZEALL,     IDC_SIZENESW, IDC_SIZENS,
                                    IDC_SIZENWSE, IDC_SIZEWE,      IDC_UPARROW,  IDC_WAIT,
                                    IDC_NO,       IDC_APPSTARTING, IDC_HELP,     IDC_SIZEALL};
  return pointer >= 0 && pointer < 16 ? kCursors[pointer] : IDC_ARROW;
}

// EnumChildWindows wants a CALLBACK function (stdcall on x86): no lambda. The
// search carries the key in and whether a button took it out.
BOOL CALLBACK offerAccessKey(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<std::pair<char, bool>*>(data);
  auto* button = dynamic_cast<XpButtonWindow*>(Window::fromHandle(child));
  search->second = button != nullptr && button->handleAccessKey(search->first);
  return search->second ? FALSE : TRUE;
}

}  // namespace

XpButtonWindow::XpButtonWindow(Container& container, const TwipsRect& bounds, TimerService& timers,
                               MessagePump& pump, KeystrokeSender& keystrokes,
                               const XpButtonOptions& options)
    : Control(container, bounds),
      options_(options),
      timers_(timers),
      pump_(pump),
      keystrokes_(keystrokes),
      button_(*this) {
  createControl(kClassName, 0, WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS, 0, CS_DBLCLKS);
  if (handle() == nullptr) {
    return;
  }
  if (options_.properties != nullptr) {
    button_.ReadProperties(*options_.properties);
  } else {
    button_.InitProperties();
  }
  setAccessible(&accessible_);
  ready_ = true;
  button_.Resize();
  ::ShowWindow(handle(), SW_SHOWNA);
}

XpButtonWindow::~XpButtonWindow() { destroyWindow(); }

void XpButtonWindow::mouseButton(UINT message, LPARAM lParam) {
  const bool down =
      message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
  const std::int16_t mouseButton = message == WM_LBUTTONDOWN || message == WM_LBUTTONUP   ? 1
                                   : message == WM_RBUTTONDOWN || message == WM_RBUTTONUP ? 2
                                                                                          : 4;
  const POINT at = mousePoint(lParam);
  const auto x = static_cast<float>(at.x);
  const auto y = static_cast<float>(at.y);
  if (down) {
    if (mouseButton == 1 && ::GetFocus() != handle()) {
      ::SetFocus(handle());
    }
    clicks_.press(handle(), mouseButton);
    button_.input().onMouseDown(mouseButton, shiftMask(), x, y);
    return;
  }
  button_.input().onMouseUp(mouseButton, shiftMask(), x, y);
  if (clicks_.release(handle(), mouseButton, at)) {
    button_.input().onClick();
  }
}

LRESULT XpButtonWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (ready_) {
        button_.Resize();
      }
      return 0;
    case WM_SHOWWINDOW:
      if (ready_ && wParam != 0) {
        button_.Show();
      } else if (ready_) {
        button_.Hide();
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      mouseButton(message, lParam);
      return 0;
    case WM_LBUTTONDBLCLK:
      clicks_.pressAgain(handle());
      button_.input().onDoubleClick();
      return 0;
    case WM_MOUSEMOVE:
      button_.input().onMouseMove(heldButtons(wParam), shiftMask(),
                                  static_cast<float>(mousePoint(lParam).x),
                                  static_cast<float>(mousePoint(lParam).y));
      return 0;
    case WM_KEYDOWN:
      button_.input().onKeyDown(static_cast<std::int16_t>(wParam & 0xFF), shiftMask());
      return 0;
    case WM_KEYUP:
      button_.input().onKeyUp(static_cast<std::int16_t>(wParam & 0xFF), shiftMask());
      return 0;
    case WM_CHAR:
      button_.input().onKeyPress(static_cast<std::int16_t>(wParam & 0xFF));
      return 0;
    case WM_SYSCHAR:
      if (handleAccessKey(static_cast<char>(wParam))) {
        return 0;
      }
      break;
    case WM_ENABLE:
      // A form that enables or disables the window directly changes Enabled.
      if ((wParam != 0) != button_.Enabled()) {
        button_.setEnabled(wParam != 0);
      }
      accessibleChanged();
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      button_.input().onFocus(message == WM_SETFOCUS);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT) {
        const std::int32_t pointer = button_.MousePointer();
        const HCURSOR icon = pointer == 99 && button_.MouseIcon()
                                 ? gdiPicture(*button_.MouseIcon()).icon()
                                 : nullptr;
        ::SetCursor(icon != nullptr ? icon : ::LoadCursorA(nullptr, standardCursor(pointer)));
        return TRUE;
      }
      break;
    case WM_DESTROY:
      button_.Terminate();
      break;
    default:
      break;
  }
  return callDefault(message, wParam, lParam);
}

bool XpButtonWindow::handleAccessKey(char key) {
  const char accessKey = button_.AccessKey();
  if (accessKey == '\0' || handle() == nullptr ||
      static_cast<char>(std::tolower(static_cast<unsigned char>(key))) != accessKey ||
      !::IsWindowEnabled(handle()) || !::IsWindowVisible(handle())) {
    return false;
  }
  button_.input().onAccessKey();
  return true;
}

bool XpButtonWindow::dispatchAccessKey(HWND form, char key) {
  std::pair<char, bool> search{key, false};
  ::EnumChildWindows(form, offerAccessKey, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

Rect XpButtonWindow::clientRect() const {
  RECT client{};
  ::GetClientRect(handle(), &client);
  return {client.left, client.top, client.right, client.bottom};
}

void XpButtonWindow::redrawNow() {
  if (handle() != nullptr) {
    ::RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  // Every change of the pressed, checked or focused look is drawn through here.
  accessibleChanged();
}

void XpButtonWindow::setWindowRegion(const RegionShape& shape) {
  if (handle() == nullptr) {
    return;
  }
  UniqueRegion region;
  if (shape.ellipse) {
    region = adoptGdi(::CreateEllipticRgn(0, 0, shape.width, shape.height));
  } else {
    region = adoptGdi(::CreateRectRgn(0, 0, shape.width, shape.height));
    for (const Point& pixel : shape.cutPixels) {
      const UniqueRegion cut =
          adoptGdi(::CreateRectRgn(pixel.x, pixel.y, pixel.x + 1, pixel.y + 1));
      ::CombineRgn(region.get(), region.get(), cut.get(), RGN_DIFF);
    }
  }
  giveRegionToWindow(handle(), region, true);
}

void XpButtonWindow::setWindowText(const std::string& text) {
  ::SetWindowTextA(handle(), text.c_str());
  accessibleChanged();
}

ParentColors XpButtonWindow::parentColors() const {
  ParentColors colors;
  const WindowDc dc(::GetParent(handle()));
  if (dc) {
    colors.background = ::GetBkColor(dc.get());
    colors.text = ::GetTextColor(dc.get());
  }
  return colors;
}

bool XpButtonWindow::isMouseInside() const {
  POINT cursor{};
  return handle() != nullptr && ::GetCursorPos(&cursor) && ::WindowFromPoint(cursor) == handle();
}

std::unique_ptr<Canvas> XpButtonWindow::createBackgroundCanvas(std::int32_t width,
                                                               std::int32_t height) {
  const WindowDc dc(handle());
  return std::make_unique<GdiMemoryCanvas>(dc.get(), width, height);
}

void XpButtonWindow::captureBehind(Canvas* background, std::int32_t width, std::int32_t height) {
  if (handle() == nullptr) {
    return;
  }
  const HWND parent = ::GetParent(handle());
  RECT bounds{};
  ::GetWindowRect(handle(), &bounds);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
  const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  // Collapsed, the button no longer covers its parent, which repaints there.
  ::SetWindowPos(handle(), nullptr, 0, 0, bounds.right - bounds.left, 0, flags);
  pump_.pumpOnce();
  ::UpdateWindow(parent);
  if (background != nullptr && parent != nullptr) {
    const WindowDc parentDc(parent);
    if (parentDc) {
      const GdiCanvas parentCanvas(parentDc.get(), 0, 0);
      background->copyFrom(parentCanvas, bounds.left, bounds.top, width, height, 0, 0);
    }
  }
  ::SetWindowPos(handle(), nullptr, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
                 flags);
}

}  // namespace vorlane::win32
