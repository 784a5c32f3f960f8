// libFuzzer target: the log reader must take any bytes at all without crashing
// and within its promises, and finds the same samples wherever the input is
// cut into pieces. (The writer meets every double in the unit tests.)
#include <cstdint>
#include <cstdlib>
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
  // The first byte picks the piece size, so the fuzzer explores the cuts too.
  const std::size_t pieceSize = size > 0 ? data[0] % 32 + 1 : 1;
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

  return 0;
}
