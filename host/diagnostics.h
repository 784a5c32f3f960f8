#pragma once

// Diagnostic switches for end-to-end runs, read from environment variables by
// the Win32 host: VORLANE_TIME_SCALE=N makes every timer N times faster, and
// VORLANE_MEMORY_FILE names a small text file "totalBytes availBytes" that
// replaces the machine's memory figures. Parsed here, so that the handling of
// bad input is tested natively.

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "host/memory_status.h"

namespace vorlane {

// Shortest interval a scaled timer gets: message-loop timers do not go faster.
constexpr unsigned kMinimumScaledInterval = 10;

// The divisor from VORLANE_TIME_SCALE: a whole number from 1 up; anything else
// (missing, empty, zero, negative, junk) means real time, 1.
inline unsigned parseTimeScale(const char* text) {
  if (text == nullptr || *text == '\0') {
    return 1;
  }
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text, &end, 10);
  if (errno != 0 || *end != '\0' || value < 1) {
    return 1;
  }
  return static_cast<unsigned>(std::min<long long>(value, 1000000));
}

// An interval of 0 stays 0 (never fires); a scaled interval never drops below
// the floor, and an unscaled one is left alone.
inline unsigned scaledInterval(unsigned milliseconds, unsigned scale) {
  if (milliseconds == 0 || scale <= 1) {
    return milliseconds;
  }
  return std::max(milliseconds / scale, kMinimumScaledInterval);
}

// Two 20-digit figures fit many times over; anything longer (a log named by
// mistake) is not read, so the switch never makes the program read megabytes
// at every memory reading.
constexpr std::size_t kMemoryFileMaxBytes = 256;

// "totalBytes availBytes" (blanks or line ends between and around them). Null
// for anything else, for a text longer than the bound, and for figures no
// machine can have (no memory at all, more available than there is), so the
// caller keeps the machine's real figures.
inline std::optional<MemoryStatus> parseMemoryFigures(const std::string& text) {
  if (text.size() > kMemoryFileMaxBytes) {
    return std::nullopt;
  }
  const char* cursor = text.c_str();
  const auto skipBlanks = [&cursor] {
    while (*cursor == ' ' || *cursor == '\t' || *cursor == '\r' || *cursor == '\n') {
      ++cursor;
    }
  };
  std::uint64_t figures[2] = {};
  for (auto& figure : figures) {
    skipBlanks();
    if (*cursor < '0' || *cursor > '9') {
      return std::nullopt;
    }
    errno = 0;
    char* end = nullptr;
    figure = std::strtoull(cursor, &end, 10);
    if (errno != 0) {
      return std::nullopt;
    }
    cursor = end;
  }
  skipBlanks();
  if (*cursor != '\0' || figures[0] == 0 || figures[1] > figures[0]) {
    return std::nullopt;
  }
  return MemoryStatus{figures[0], figures[1]};
}

}  // namespace vorlane
