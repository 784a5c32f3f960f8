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

constexpr std::size_t kSignificantDigits = 15;

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

// The exact decimal digits of a finite, non-zero magnitude, without trailing
// zeros, and the power of ten of the first; without printf, whose MinGW
// implementation alone would double the logger's size.
std::pair<std::string, int> exactDigits(double magnitude) {
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
  std::string digits;  // least significant first until reversed
  while (!number.empty()) {
    std::uint32_t group = divide(number, 1000000000);
    for (int i = 0; i < 9; ++i, group /= 10) {
      digits += static_cast<char>('0' + group % 10);
    }
  }
  digits.erase(digits.find_last_not_of('0') + 1);
  const int exponent = static_cast<int>(digits.size()) - 1 + std::min(binaryExponent, 0);
  digits.erase(0, digits.find_first_not_of('0'));
  std::reverse(digits.begin(), digits.end());
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
  auto [digits, exponent] = exactDigits(std::fabs(value));
  // Rounded halves to even: with no trailing zeros, what follows the kept
  // digits is a half exactly when it is a lone "5".
  if (digits.size() > kSignificantDigits) {
    const char first = digits[kSignificantDigits];
    const bool odd = (digits[kSignificantDigits - 1] - '0') % 2 != 0;
    const bool up =
        first > '5' || (first == '5' && (digits.size() > kSignificantDigits + 1 || odd));
    digits.resize(kSignificantDigits);
    if (up) {
      // The carry turns trailing nines into zeros, which are dropped anyway.
      while (!digits.empty() && digits.back() == '9') {
        digits.pop_back();
      }
      if (digits.empty()) {
        digits = "1";
        ++exponent;
      } else {
        ++digits.back();
      }
    }
  }
  digits.erase(digits.find_last_not_of('0') + 1);

  const std::string sign = value < 0 ? "-" : "";
  if (exponent < 0) {
    return sign + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() > wholeDigits) {
    digits.insert(wholeDigits, ".");
  }
  digits.resize(std::max(digits.size(), wholeDigits), '0');
  return sign + digits;
}

}  // namespace vorlane
