#include "host/win32/message_pump.h"

#include "host/win32/callback_failures.h"
#include "host/win32/form.h"

namespace vorlane::win32 {

void Win32MessagePump::quitSeen(const MSG& message) {
  ending_ = true;
  exitCode_ = static_cast<int>(message.wParam);
  ::PostQuitMessage(exitCode_);
}

void Win32MessagePump::dispatch(MSG& message) {
  HWND root = message.hwnd != nullptr ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  const bool keyboard = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
  const bool onForm = dynamic_cast<Form*>(Window::fromHandle(root)) != nullptr;
  if (message.message == WM_SYSCHAR && onForm && accessKeys_ &&
      accessKeys_(root, static_cast<char>(message.wParam))) {
    rethrowParkedFailure();
    return;
  }
  if (!(keyboard && onForm && ::IsDialogMessageA(root, &message))) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  rethrowParkedFailure();
}

void Win32MessagePump::pumpOnce() {
  MSG message = {};
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitSeen(message);
      return;
    }
    dispatch(message);
  }
}

void Win32MessagePump::waitUntil(const std::function<bool()>& done) {
  MSG message = {};
  while (!ending_ && !done()) {
    const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      if (got == -1) {
        message.wParam = 0;
      }
      quitSeen(message);
      return;
    }
    dispatch(message);
  }
}

void Win32MessagePump::endProgram() {
  if (ending_) {
    return;
  }
  ending_ = true;
  Form::destroyAll();
  ::PostQuitMessage(0);
}

int Win32MessagePump::run() {
  MSG message = {};
  for (;;) {
    const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      ending_ = true;
      return got == 0 ? static_cast<int>(message.wParam) : exitCode_;
    }
    dispatch(message);
  }
}

}  // namespace vorlane::win32
