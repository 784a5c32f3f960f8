// Reading samples: the main program's side of the log.dat format. Apart from
// the writer so that the logger does not carry the number parser.
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

#include "host/rounding.h"
#include "logger/log_format.h"

namespace vorlane {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// True when `field` is written as a plain decimal number, optionally signed,
// with an optional fraction and exponent. Words the number parser would also
// take ("inf", "nan", hexadecimal) are not samples.
bool isDecimalNumber(std::string_view field) {
  std::size_t i = 0;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
    ++i;
  }
  std::size_t digits = 0;
  while (i < field.size() && isDigit(field[i])) {
    ++i;
    ++digits;
  }
  if (i < field.size() && field[i] == '.') {
    ++i;
    while (i < field.size() && isDigit(field[i])) {
      ++i;
      ++digits;
    }
  }
  if (digits == 0) {
    return false;
  }
  if (i < field.size() && (field[i] == 'e' || field[i] == 'E')) {
    ++i;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
      ++i;
    }
    std::size_t exponentDigits = 0;
    while (i < field.size() && isDigit(field[i])) {
      ++i;
      ++exponentDigits;
    }
    if (exponentDigits == 0) {
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

std::optional<std::int32_t> LogFieldReader::wholeField(std::string_view field) {
  const auto sample = field.size() <= kLongestField ? sampleFrom(field) : std::nullopt;
  if (!sample) {
    ++skipped_;
  }
  return sample;
}

void LogFieldReader::hold(std::string_view part) {
  const std::size_t room = kLongestField - length_;
  if (part.size() > room) {
    overlong_ = true;
  }
  const std::size_t kept = part.copy(field_ + length_, std::min(room, part.size()));
  length_ += kept;
}

std::optional<std::int32_t> LogFieldReader::endField() {
  if (length_ == 0 && !overlong_) {
    return std::nullopt;
  }
  const std::string_view field(field_, length_);
  length_ = 0;
  if (overlong_) {
    overlong_ = false;
    ++skipped_;
    return std::nullopt;
  }
  return wholeField(field);
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
