// Writing a sample: the logger's side of the log.dat format.
#include "logger/log_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace vorlane {

namespace {

constexpr int kSignificantDigits = 15;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

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

}  // namespace vorlane
