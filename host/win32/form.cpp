#include "host/win32/form.h"

#include <vector>

namespace vorlane::win32 {

namespace {

BOOL CALLBACK collectWindow(HWND window, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

}  // namespace

Form::Form(const FormOptions& options) : Container(options.background) {
  const Dpi& dpi = Dpi::screen();
  const int width = dpi.toPixelsX(options.clientWidth);
  const int height = dpi.toPixelsY(options.clientHeight);
  // Integer halving truncates, as in every layout computation.
  const int left = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  const DWORD exStyle = WS_EX_CONTROLPARENT |
                        (options.taskbarButton ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW) |
                        (options.topmost ? WS_EX_TOPMOST : 0);
  if (options.sizable) {
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT frame{0, 0, width, height};
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    create("VorlaneForm", false, exStyle, style, options.caption.c_str(), CW_USEDEFAULT,
           CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr);
  } else {
    create("VorlaneForm", false, exStyle, WS_POPUP | WS_CLIPCHILDREN, options.caption.c_str(), left,
           top, width, height, nullptr);
  }
}

void Form::destroyAll() {
  // Listed first: a destroyed window's handlers may create or destroy forms.
  std::vector<HWND> windows;
  ::EnumThreadWindows(::GetCurrentThreadId(), &collectWindow, reinterpret_cast<LPARAM>(&windows));
  for (HWND window : windows) {
    if (auto* form = dynamic_cast<Form*>(Window::fromHandle(window))) {
      form->destroyWindow();
    }
  }
}

LRESULT Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    if (onClose_) {
      onClose_();
    }
    return 0;
  }
  if (onKeyDown_ && message == WM_GETDLGCODE) {
    return DLGC_WANTALLKEYS;
  }
  if (onKeyDown_ && message == WM_KEYDOWN) {
    constexpr LPARAM kAlreadyDown = 1 << 30;
    if ((lParam & kAlreadyDown) == 0) {
      onKeyDown_(static_cast<UINT>(wParam));
    }
    return 0;
  }
  LRESULT result = 0;
  if (handleContainerMessage(message, wParam, lParam, result)) {
    return result;
  }
  return callDefault(message, wParam, lParam);
}

}  // namespace vorlane::win32
