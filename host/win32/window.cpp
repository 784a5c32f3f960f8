#include "host/win32/window.h"

#include <exception>
#include <string>
#include <utility>

#include "host/creation_failure.h"

namespace vorlane::win32 {

namespace {

std::exception_ptr parkedFailure;

// The class's own handling: the system control's procedure, or the default one.
LRESULT callClass(WNDPROC original, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return original != nullptr ? ::CallWindowProcA(original, window, message, wParam, lParam)
                             : ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void rethrowParkedFailure() {
  if (parkedFailure) {
    std::rethrow_exception(std::exchange(parkedFailure, nullptr));
  }
}

std::string windowText(HWND window) {
  std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(
      ::GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

Window* Window::fromHandle(HWND window) {
  if (window == nullptr) {
    return nullptr;
  }
  const auto procedure = ::GetWindowLongPtrA(window, GWLP_WNDPROC);
  if (procedure != reinterpret_cast<LONG_PTR>(&ownProcedure) &&
      procedure != reinterpret_cast<LONG_PTR>(&subclassProcedure)) {
    return nullptr;
  }
  return reinterpret_cast<Window*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
}

void Window::setAccessible(AccessibleProvider* provider) {
  accessible_ = provider;
  announced_ = provider != nullptr ? snapshotOf(*provider) : AccessibleSnapshot();
}

void Window::accessibleChanged() {
  if (accessible_ == nullptr || handle() == nullptr) {
    return;
  }
  AccessibleSnapshot now = snapshotOf(*accessible_);
  announceChanges(handle(), announced_, now);
  announced_ = std::move(now);
}

void Window::create(const char* className, bool systemClass, DWORD exStyle, DWORD style,
                    const char* text, int x, int y, int width, int height, HWND parent,
                    UINT classStyle, int controlId) {
  if (!systemClass) {
    // Registered on first use; registering again fails harmlessly.
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = &ownProcedure;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = className;
    ::RegisterClassExA(&windowClass);
  }
  // A child window's menu handle is its control id.
  const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId));
  HWND window = ::CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent, id,
                                  ::GetModuleHandleA(nullptr), systemClass ? nullptr : this);
  if (window == nullptr) {
    // Named by its text where it has one, by its class otherwise ("VorlanePanel").
    const DWORD error = ::GetLastError();
    const std::string name = (text != nullptr && *text != '\0') ? text : className;
    throw CreationFailure("The window \"" + name + "\" could not be created (error " +
                          std::to_string(error) + ").");
  }
  if (systemClass) {
    window_.reset(window);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&subclassProcedure)));
  }
}

LRESULT Window::callDefault(UINT message, WPARAM wParam, LPARAM lParam) {
  if (original_ != nullptr ||
      (message != WM_ERASEBKGND && message != WM_PAINT && message != WM_PRINTCLIENT)) {
    return callClass(original_, handle(), message, wParam, lParam);
  }
  if (message == WM_ERASEBKGND) {
    return 1;
  }
  const auto paintOn = [this](HDC dc) {
    RECT client{};
    ::GetClientRect(handle(), &client);
    GdiCanvas canvas(dc, client.right, client.bottom);
    paint(canvas);
  };
  if (message == WM_PRINTCLIENT) {
    paintOn(reinterpret_cast<HDC>(wParam));
  } else if (const PaintDc dc(handle()); dc.get() != nullptr) {
    paintOn(dc.get());
  }
  return 0;
}

LRESULT CALLBACK Window::ownProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_.reset(window);
  }
  return subclassProcedure(window, message, wParam, lParam);
}

LRESULT CALLBACK Window::subclassProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  return self != nullptr ? self->dispatch(window, message, wParam, lParam)
                         : ::DefWindowProcA(window, message, wParam, lParam);
}

LRESULT Window::dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    // Going (with its parent, or through destroyWindow): nothing may reach this
    // object any more.
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    const WNDPROC original = original_;
    if (original != nullptr) {
      ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    }
    original_ = nullptr;
    window_.release();
    return callClass(original, window, message, wParam, lParam);
  }
  try {
    LRESULT answer = 0;
    if (accessible_ != nullptr &&
        handleAccessibilityMessage(window, *accessible_, message, wParam, lParam, answer)) {
      return answer;
    }
    return handleMessage(message, wParam, lParam);
  } catch (...) {
    if (!parkedFailure) {
      parkedFailure = std::current_exception();
    }
    return callClass(original_, window, message, wParam, lParam);
  }
}

}  // namespace vorlane::win32
