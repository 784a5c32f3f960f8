// libFuzzer target: the log reader must take any bytes at all, and the line
// writer any double, without crashing and within their promises; the stream
// reader finds the same samples wherever the input is cut into pieces.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "logger/log_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const std::vector<std::int32_t> whole = vorlane::parseLogFields(content);
  for (const std::int32_t sample : whole) {
    if (sample < 0 || sample > 100) {
      std::abort();
    }
  }
  if (size > 0) {
    // The first byte picks the piece size, so the fuzzer explores the cuts too.
    const std::size_t pieceSize = data[0] % 32 + 1;
    std::vector<std::int32_t> pieces;
    const auto keep = [&pieces](std::int32_t sample) { pieces.push_back(sample); };
    vorlane::LogFieldReader reader;
    for (std::size_t at = 0; at < size; at += pieceSize) {
      reader.feed(content.substr(at, pieceSize), keep);
    }
    reader.finish(keep);
    if (pieces != whole) {
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
