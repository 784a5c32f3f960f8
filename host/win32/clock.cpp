#include "host/win32/clock.h"

#include <windows.h>

#include "host/win32/handles.h"

namespace vorlane::win32 {

std::uint64_t Win32Clock::widen(std::uint32_t ticks, std::uint32_t& lastTicks,
                                std::uint64_t& wraps) {
  if (ticks < lastTicks) {
    ++wraps;
  }
  lastTicks = ticks;
  return (wraps << 32) | ticks;
}

std::uint64_t Win32Clock::milliseconds() {
  static const auto tickCount64 = kernelFunction<ULONGLONG(WINAPI*)()>("GetTickCount64");
  if (tickCount64 != nullptr) {
    return tickCount64();
  }
  return widen(::GetTickCount(), lastTicks_, wraps_);
}

}  // namespace vorlane::win32
