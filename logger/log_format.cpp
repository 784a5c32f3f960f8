// Writing a sample: the logger's side of the log.dat format.
#include "logger/log_format.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

namespace vorlane {

namespace {

constexpr int kSignificantDigits = 15;

// A whole number of any size, in 32-bit words, least significant first.
using BigNumber = std::vector<std::uint32_t>;

void multiply(BigNumber& number, std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (std::uint32_t& word : number) {
    const std::uint64_t product = std::uint64_t{word} * factor + carry;
    word = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0) {
    number.push_back(static_cast<std::uint32_t>(carry));
  }
}

// Divides in place; returns the remainder.
std::uint32_t divide(BigNumber& number, std::uint32_t divisor) {
  std::uint64_t remainder = 0;
  for (auto word = number.rbegin(); word != number.rend(); ++word) {
    const std::uint64_t current = (remainder << 32) | *word;
    *word = static_cast<std::uint32_t>(current / divisor);
    remainder = current % divisor;
  }
  while (!number.empty() && number.back() == 0) {
    number.pop_back();
  }
  return static_cast<std::uint32_t>(remainder);
}

// The digits of a finite, non-zero magnitude rounded to kSignificantDigits
// (halves to even), and the power of ten of the first; exact, without printf,
// whose MinGW implementation alone would double the logger's size.
std::pair<std::string, int> roundedDigits(double magnitude) {
  int binaryExponent = 0;
  const double fraction = std::frexp(magnitude, &binaryExponent);
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  binaryExponent -= 53;
  BigNumber number{static_cast<std::uint32_t>(mantissa),
                   static_cast<std::uint32_t>(mantissa >> 32)};
  // magnitude = mantissa * 2^binaryExponent = number * 10^decimalShift, as
  // 2^-k = 5^k * 10^-k. Factors and digits go 13 and 9 at a time in a word.
  for (int left = std::abs(binaryExponent); left > 0; left -= 13) {
    std::uint32_t factor = 1;
    for (int i = std::min(left, 13); i > 0; --i) {
      factor *= binaryExponent > 0 ? 2 : 5;
    }
    multiply(number, factor);
  }
  const int decimalShift = std::min(binaryExponent, 0);
  std::string digits;  // least significant first until reversed
  while (!number.empty()) {
    std::uint32_t group = divide(number, 1000000000);
    for (int i = 0; i < 9; ++i, group /= 10) {
      digits += static_cast<char>('0' + group % 10);
    }
  }
  digits.erase(digits.find_last_not_of('0') + 1);
  std::reverse(digits.begin(), digits.end());
  int exponent = static_cast<int>(digits.size()) - 1 + decimalShift;

  if (digits.size() > static_cast<std::size_t>(kSignificantDigits)) {
    const char first = digits[kSignificantDigits];
    const bool restZero =
        digits.find_first_not_of('0', kSignificantDigits + 1) == std::string::npos;
    const bool odd = (digits[kSignificantDigits - 1] - '0') % 2 != 0;
    const bool up = first > '5' || (first == '5' && (!restZero || odd));
    digits.resize(kSignificantDigits);
    if (up) {
      std::size_t at = digits.size();
      while (at > 0 && digits[at - 1] == '9') {
        digits[--at] = '0';
      }
      if (at == 0) {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++exponent;
      } else {
        ++digits[at - 1];
      }
    }
  }
  return {digits, exponent};
}

}  // namespace

std::string formatSample(double value) {
  if (!std::isfinite(value)) {
    return {};
  }
  if (value == 0.0) {
    return "0";  // also for -0
  }
  auto [digits, exponent] = roundedDigits(std::fabs(value));
  while (digits.size() > 1 && digits.back() == '0') {
    digits.pop_back();
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
