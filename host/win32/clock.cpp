#include "host/win32/clock.h"

#include <windows.h>

namespace vorlane::win32 {

namespace {

using GetTickCount64Function = ULONGLONG(WINAPI*)();

GetTickCount64Function findGetTickCount64() {
  HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
  if (kernel == nullptr) {
    return nullptr;
  }
  return reinterpret_cast<GetTickCount64Function>(
      reinterpret_cast<void (*)()>(::GetProcAddress(kernel, "GetTickCount64")));
}

}  // namespace

std::uint64_t Win32Clock::widen(std::uint32_t ticks, std::uint32_t& lastTicks,
                                std::uint64_t& wraps) {
  if (ticks < lastTicks) {
    ++wraps;
  }
  lastTicks = ticks;
  return (wraps << 32) | ticks;
}

std::uint64_t Win32Clock::milliseconds() {
  static const GetTickCount64Function tickCount64 = findGetTickCount64();
  if (tickCount64 != nullptr) {
    return tickCount64();
  }
  return widen(::GetTickCount(), lastTicks_, wraps_);
}

}  // namespace vorlane::win32
