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

// True when `field` is written as a plain decimal number, optionally signed,
// with an optional fraction and exponent. Words the number parser would also
// take ("inf", "nan", hexadecimal) are not samples.
bool isDecimalNumber(std::string_view field) {
  std::size_t i = 0;
  const auto skip = [&](std::string_view oneOf) {
    const bool found = i < field.size() && oneOf.find(field[i]) != std::string_view::npos;
    i += found ? 1 : 0;
    return found;
  };
  const auto digits = [&] {
    const std::size_t from = i;
    while (skip("0123456789")) {
    }
    return i - from;
  };
  skip("+-");
  const std::size_t whole = digits();
  if (whole + (skip(".") ? digits() : 0) == 0) {
    return false;
  }
  if (skip("eE")) {
    skip("+-");
    if (digits() == 0) {
      return false;
    }
  }
  return i == field.size();
}

std::optional<std::int32_t> sampleFrom(std::string_view field) {
  if (!isDecimalNumber(field)) {
    return std::nullopt;
  }
  // strtod rather than std::from_chars: the programs link strtod anyway, and
  // from_chars for doubles adds 42 KB to the x86 exe. The field is a plain
  // decimal number by now and the programs keep the "C" locale, so both read
  // it alike; a result that underflows to 0 or overflows is out of range.
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
