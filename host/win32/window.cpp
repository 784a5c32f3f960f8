#include "host/win32/window.h"

#include <string>
#include <utility>

#include "host/creation_failure.h"
#include "host/win32/callback_failures.h"

namespace vorlane::win32 {

namespace {

// Marks a GWLP_USERDATA value as ours: other windows may keep their own data there.
constexpr LONG_PTR kNoObject = 0;

void registerOwnClass(const char* className, WNDPROC procedure, UINT classStyle) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  if (::GetClassInfoExA(::GetModuleHandleA(nullptr), className, &windowClass)) {
    return;
  }
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = classStyle;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.lpszClassName = className;
  ::RegisterClassExA(&windowClass);
}

// Named by its text where it has one ("Zendry's Vorlane", "Form1"), by its
// class otherwise ("VorlanePanel").
[[noreturn]] void windowNotCreated(const char* className, const char* text) {
  const DWORD error = ::GetLastError();
  const std::string name = (text != nullptr && *text != '\0') ? text : className;
  throw CreationFailure("The window \"" + name + "\" could not be created (error " +
                        std::to_string(error) + ").");
}

}  // namespace

Window::~Window() { destroyWindow(); }

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

void Window::createOwn(const char* className, DWORD exStyle, DWORD style, const char* text, int x,
                       int y, int width, int height, HWND parent, UINT classStyle, int controlId) {
  registerOwnClass(className, &ownProcedure, classStyle);
  // A child window's menu handle is its control id.
  const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId));
  if (::CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent, id,
                        ::GetModuleHandleA(nullptr), this) == nullptr) {
    windowNotCreated(className, text);
  }
}

void Window::createSystem(const char* className, DWORD exStyle, DWORD style, const char* text,
                          int x, int y, int width, int height, HWND parent) {
  HWND window = ::CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent,
                                  nullptr, ::GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) {
    windowNotCreated(className, text);
  }
  window_.reset(window);
  ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&subclassProcedure)));
}

LRESULT Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return callDefault(message, wParam, lParam);
}

void Window::paint(GdiCanvas& /*canvas*/) {}

LRESULT Window::callDefault(UINT message, WPARAM wParam, LPARAM lParam) {
  if (original_ != nullptr) {
    return ::CallWindowProcA(original_, handle(), message, wParam, lParam);
  }
  RECT client{};
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PRINTCLIENT: {
      ::GetClientRect(handle(), &client);
      GdiCanvas canvas(reinterpret_cast<HDC>(wParam), client.right, client.bottom);
      paint(canvas);
      return 0;
    }
    case WM_PAINT: {
      const PaintDc dc(handle());
      if (dc.get() != nullptr) {
        ::GetClientRect(handle(), &client);
        GdiCanvas canvas(dc.get(), client.right, client.bottom);
        paint(canvas);
      }
      return 0;
    }
    default:
      return ::DefWindowProcA(handle(), message, wParam, lParam);
  }
}

LRESULT CALLBACK Window::ownProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_.reset(window);
  }
  auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) {
    return ::DefWindowProcA(window, message, wParam, lParam);
  }
  return self->dispatch(window, message, wParam, lParam);
}

LRESULT CALLBACK Window::subclassProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) {
    return ::DefWindowProcA(window, message, wParam, lParam);
  }
  return self->dispatch(window, message, wParam, lParam);
}

LRESULT Window::dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    // The window is going (with its parent, or through destroyWindow): cut the
    // link so that nothing reaches this object, and give the class its due.
    ::SetWindowLongPtrA(window, GWLP_USERDATA, kNoObject);
    const WNDPROC original = original_;
    if (original != nullptr) {
      ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    }
    original_ = nullptr;
    window_.release();
    return original != nullptr ? ::CallWindowProcA(original, window, message, wParam, lParam)
                               : ::DefWindowProcA(window, message, wParam, lParam);
  }
  try {
    LRESULT answer = 0;
    if (accessible_ != nullptr &&
        handleAccessibilityMessage(window, *accessible_, message, wParam, lParam, answer)) {
      return answer;
    }
    return handleMessage(message, wParam, lParam);
  } catch (...) {
    parkCallbackFailure();
    return original_ != nullptr ? ::CallWindowProcA(original_, window, message, wParam, lParam)
                                : ::DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace vorlane::win32
