#include "host/win32/form.h"

#include <algorithm>
#include <vector>

namespace vorlane::win32 {

namespace {

std::vector<Form*>& liveForms() {
  static std::vector<Form*> forms;
  return forms;
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
  liveForms().push_back(this);
}

Form::~Form() {
  auto& forms = liveForms();
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
  destroyWindow();
}

void Form::destroyAll() {
  // Copy first: a destroyed window's handlers may create or destroy forms.
  const std::vector<Form*> forms = liveForms();
  for (Form* form : forms) {
    const auto& live = liveForms();
    if (std::find(live.begin(), live.end(), form) != live.end()) {
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
