#pragma once

#include <windows.h>

#include <cstdint>

#include "host/clock.h"
#include "host/win32/handles.h"

namespace vorlane::win32 {

// Milliseconds since the system started: GetTickCount64 where the system has
// it (looked up at run time: Windows XP lacks it), else GetTickCount widened by
// counting its wraps every 49.7 days. Each reading must come within 49 days of
// the previous one for the wrap count to hold; callers read far more often.
class Win32Clock final : public MonotonicClock {
 public:
  std::uint64_t milliseconds() override {
    static const auto tickCount64 = kernelFunction<ULONGLONG(WINAPI*)()>("GetTickCount64");
    return tickCount64 != nullptr ? tickCount64() : widen(::GetTickCount(), lastTicks_, wraps_);
  }

  // The wrap-counting step, apart so that tests can feed it any reading.
  static std::uint64_t widen(std::uint32_t ticks, std::uint32_t& lastTicks, std::uint64_t& wraps) {
    if (ticks < lastTicks) {
      ++wraps;
    }
    lastTicks = ticks;
    return (wraps << 32) | ticks;
  }

 private:
  std::uint32_t lastTicks_ = 0;
  std::uint64_t wraps_ = 0;
};

}  // namespace vorlane::win32
