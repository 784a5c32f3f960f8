#include "logger/log_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "host/rounding.h"

namespace vorlane {

namespace {

constexpr int kSignificantDigits = 15;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isSeparator(char c) { return c == '\r' || c == '\n' || c == ',' || c == ' ' || c == '\t'; }

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
  // The number parser takes no plus sign.
  if (field.front() == '+') {
    field.remove_prefix(1);
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size()) {
    return std::nullopt;
  }
  if (!(value >= 0.0 && value <= 100.0)) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(roundHalfEven(value));
}

}  // namespace

std::string formatSample(double value) {
  if (!std::isfinite(value)) {
    return {};
  }
  // "%.*e" rounds correctly to the wanted significant digits; the digits and
  // the exponent are then laid out again in plain notation. Only digits are
  // taken from the mantissa, so a locale's decimal point cannot leak in.
  char buffer[64];
  const int length =
      std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, std::fabs(value));
  if (length <= 0 || length >= static_cast<int>(sizeof buffer)) {
    return {};
  }
  const std::string_view text(buffer, static_cast<std::size_t>(length));
  const std::size_t exponentAt = text.find_first_of("eE");
  if (exponentAt == std::string_view::npos) {
    return {};
  }
  std::string digits;
  for (const char c : text.substr(0, exponentAt)) {
    if (isDigit(c)) {
      digits += c;
    }
  }
  int exponent = 0;
  const char* exponentBegin = text.data() + exponentAt + 1;
  if (*exponentBegin == '+') {
    ++exponentBegin;
  }
  std::from_chars(exponentBegin, text.data() + text.size(), exponent);

  while (digits.size() > 1 && digits.back() == '0') {
    digits.pop_back();
  }
  if (digits == "0") {
    return "0";  // also for -0 and values too small for 15 digits to show
  }

  std::string out;
  if (value < 0) {
    out += '-';
  }
  if (exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += digits;
    return out;
  }
  const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= wholeDigits) {
    out += digits;
    out.append(wholeDigits - digits.size(), '0');
  } else {
    out.append(digits, 0, wholeDigits);
    out += '.';
    out.append(digits, wholeDigits, std::string::npos);
  }
  return out;
}

std::optional<std::int32_t> LogFieldReader::next() {
  while (pos_ < content_.size()) {
    while (pos_ < content_.size() && isSeparator(content_[pos_])) {
      ++pos_;
    }
    const std::size_t begin = pos_;
    while (pos_ < content_.size() && !isSeparator(content_[pos_])) {
      ++pos_;
    }
    if (pos_ == begin) {
      break;
    }
    if (const auto sample = sampleFrom(content_.substr(begin, pos_ - begin))) {
      return sample;
    }
    ++skipped_;
  }
  return std::nullopt;
}

std::vector<std::int32_t> parseLogFields(std::string_view content) {
  std::vector<std::int32_t> samples;
  LogFieldReader reader(content);
  while (const auto sample = reader.next()) {
    samples.push_back(*sample);
  }
  return samples;
}

}  // namespace vorlane
