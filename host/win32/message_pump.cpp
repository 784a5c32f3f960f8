#include "host/win32/message_pump.h"

#include <utility>

#include "host/win32/form.h"

namespace vorlane::win32 {

Win32MessagePump::Win32MessagePump() {
  LARGE_INTEGER frequency;  // fixed at boot
  ::QueryPerformanceFrequency(&frequency);
  counterFrequency_ = frequency.QuadPart > 0 ? frequency.QuadPart : 1;
}

std::uint64_t Win32MessagePump::microseconds() const {
  LARGE_INTEGER counter;
  ::QueryPerformanceCounter(&counter);
  const auto ticks = static_cast<std::uint64_t>(counter.QuadPart);
  const auto frequency = static_cast<std::uint64_t>(counterFrequency_);
  // Split, so that a counter running for years at MHz rates cannot overflow.
  return ticks / frequency * 1000000 + ticks % frequency * 1000000 / frequency;
}

void Win32MessagePump::quitSeen(int exitCode) {
  ending_ = true;
  exitCode_ = exitCode;
  ::PostQuitMessage(exitCode);
}

void Win32MessagePump::dispatch(MSG& message) {
  HWND root = message.hwnd != nullptr ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  const bool keyboard = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
  const bool onForm = dynamic_cast<Form*>(Window::fromHandle(root)) != nullptr;
  const bool accessKey = message.message == WM_SYSCHAR && onForm && accessKeys_ &&
                         accessKeys_(root, static_cast<char>(message.wParam));
  if (!accessKey && !(keyboard && onForm && ::IsDialogMessageA(root, &message))) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  rethrowParkedFailure();
}

void Win32MessagePump::pumpOnce() {
  MSG message = {};
  while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitSeen(static_cast<int>(message.wParam));
      return;
    }
    dispatch(message);
  }
  schedule_.served(microseconds());
}

bool Win32MessagePump::pumpIfDue() {
  if (!schedule_.due(microseconds())) {
    return false;
  }
  pumpOnce();
  return true;
}

void Win32MessagePump::waitUntil(const std::function<bool()>& done) {
  MSG message = {};
  while (!ending_ && !done()) {
    const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      quitSeen(got == 0 ? static_cast<int>(message.wParam) : 0);
      return;
    }
    dispatch(message);
    schedule_.served(microseconds());
  }
}

void Win32MessagePump::endProgram() {
  if (!std::exchange(ending_, true)) {
    Form::destroyAll();
    ::PostQuitMessage(0);
  }
}

}  // namespace vorlane::win32
