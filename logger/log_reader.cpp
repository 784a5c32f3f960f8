// Reading samples: the main program's side of the log.dat format. Apart from
// the writer so that the logger does not carry the number parser.
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

#include "host/rounding.h"
#include "logger/log_format.h"

namespace vorlane {

namespace {

std::optional<std::int32_t> sampleFrom(std::string_view field) {
  // Made of these characters alone, a field strtod reads to its end is a plain
  // decimal number, optionally signed, with an optional fraction and exponent:
  // words it would also take ("inf", "nan", hexadecimal) are not samples.
  if (field.find_first_not_of("0123456789+-.eE") != std::string_view::npos) {
    return std::nullopt;
  }
  // strtod rather than std::from_chars: the programs link strtod anyway, and
  // from_chars for doubles adds 42 KB to the x86 exe. The programs keep the "C"
  // locale, so both read the field alike; a result that underflows to 0 or
  // overflows is out of range.
  const std::string text(field);
  errno = 0;
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() ||
      (errno == ERANGE && (value == 0.0 || std::isinf(value)))) {
    return std::nullopt;
  }
  if (!(value >= 0.0 && value <= 100.0)) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(roundHalfEven(value));
}

}  // namespace

std::optional<std::int32_t> LogFieldReader::endField() {
  if (length_ == 0) {
    return std::nullopt;
  }
  const auto sample = overlong_ ? std::nullopt : sampleFrom(std::string_view(field_, length_));
  length_ = 0;
  overlong_ = false;
  return sample;
}

std::vector<std::int32_t> parseLogFields(std::string_view content) {
  std::vector<std::int32_t> samples;
  LogFieldReader reader;
  const auto keep = [&samples](std::int32_t sample) { samples.push_back(sample); };
  reader.feed(content, keep);
  reader.finish(keep);
  return samples;
}

}  // namespace vorlane
