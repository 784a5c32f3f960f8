#pragma once

#include <windows.h>

#include <string>

#include "host/accessible.h"
#include "host/canvas/win32/gdi_canvas.h"
#include "host/win32/accessible_object.h"
#include "host/win32/handles.h"

namespace vorlane::win32 {

// The one window-procedure pattern of the toolkit. Windows of its own classes
// get their object through lpCreateParams at WM_NCCREATE; system controls are
// subclassed right after creation. The object lives in GWLP_USERDATA until
// WM_NCDESTROY, where the link is cut and the object forgets its handle, so a
// window destroyed with its parent is never destroyed twice.
//
// A window of an own class paints every pixel in paint(): callDefault hands it
// WM_PAINT and WM_PRINTCLIENT, and leaves WM_ERASEBKGND to it.
class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() { destroyWindow(); }

  HWND handle() const { return window_.get(); }
  // The toolkit object behind a window, or null for any other window.
  static Window* fromHandle(HWND window);

  // What a screen reader hears of this window; null leaves the answer to the
  // system. The provider must outlive the window.
  void setAccessible(AccessibleProvider* provider);
  AccessibleProvider* accessible() const { return accessible_; }
  // Announces what changed in the provider since the last call.
  void accessibleChanged();

 protected:
  Window() = default;

  // A window of an own class, or a system control subclassed so that this
  // object sees its messages. Throws CreationFailure when the system refuses it.
  void create(const char* className, bool systemClass, DWORD exStyle, DWORD style, const char* text,
              int x, int y, int width, int height, HWND parent, UINT classStyle = 0,
              int controlId = 0);
  // Destroys the window now; derived classes call it first in their
  // destructors, while the resources the window uses (fonts, brushes) live.
  void destroyWindow() { window_.reset(); }

  virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return callDefault(message, wParam, lParam);
  }
  LRESULT callDefault(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void paint(GdiCanvas& /*canvas*/) {}

 private:
  static LRESULT CALLBACK ownProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
  LRESULT dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  UniqueWindow window_;
  WNDPROC original_ = nullptr;  // the system control's own procedure
  AccessibleProvider* accessible_ = nullptr;
  AccessibleSnapshot announced_;
};

std::string windowText(HWND window);

// No exception may cross a window procedure: the system code between it and the
// message loop cannot unwind. The procedure parks what escapes a handler, and
// the message pump throws it again here, on the far side of DispatchMessage. A
// second failure before the first is thrown again is dropped: the first one is
// the cause.
void rethrowParkedFailure();

}  // namespace vorlane::win32
