// The posix-thread MinGW runtime (its exception support uses winpthread) calls
// GetTickCount64, which Windows XP lacks: importing it would stop the exe from
// loading there. This variable takes the place of kernel32's import slot for
// it, so the exe does not import it; the function behind it calls the real one
// where the system has it and falls back to GetTickCount elsewhere (winpthread
// only measures short waits with it, which the 49-day wrap does not disturb in
// practice). The link pulls this file in by naming the slot as undefined
// (see CMakeLists.txt).
#include <windows.h>

#include "host/win32/handles.h"

namespace {

ULONGLONG WINAPI tickCount64() {
  // Looked up on each call: no state shared between the runtime's threads.
  const auto real = vorlane::win32::kernelFunction<ULONGLONG(WINAPI*)()>("GetTickCount64");
  return real != nullptr ? real() : ::GetTickCount();
}

}  // namespace

#if defined(__MINGW32__)
#if defined(__i386__)
extern "C" ULONGLONG(WINAPI* vorlaneGetTickCount64Slot)() __asm__("__imp__GetTickCount64@0");
#else
extern "C" ULONGLONG(WINAPI* vorlaneGetTickCount64Slot)() __asm__("__imp_GetTickCount64");
#endif
extern "C" {
ULONGLONG(WINAPI* vorlaneGetTickCount64Slot)() = &tickCount64;
}
#endif
