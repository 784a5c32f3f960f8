// libFuzzer target: the log reader must take any bytes at all, and the line
// writer any double, without crashing and within their promises.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "logger/log_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  for (const std::int32_t sample : vorlane::parseLogFields(content)) {
    if (sample < 0 || sample > 100) {
      std::abort();
    }
  }

  if (size >= sizeof(double)) {
    double value = 0.0;
    std::memcpy(&value, data, sizeof value);
    const std::string line = vorlane::formatSample(value);
    if (line.find_first_of("eE,") != std::string::npos) {
      std::abort();
    }
    // Whatever was written reads back as at most one sample.
    if (vorlane::parseLogFields(line).size() > 1) {
      std::abort();
    }
  }
  return 0;
}
