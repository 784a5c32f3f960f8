#include "app/memory/general_number.h"

#include <array>
#include <charconv>

namespace vorlane {

std::string generalNumberText(double value, std::string_view decimalSeparator) {
  // Fifteen significant digits is what a double always holds exactly; the
  // general form drops trailing zeros and switches to exponent form below
  // 0.0001 and from 1E+15 on. to_chars is locale-independent, so the separator
  // is put in here and nowhere else.
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 15);
  std::string text;
  for (const char* c = buffer.data(); c != result.ptr; ++c) {
    if (*c == '.') {
      text += decimalSeparator;
    } else if (*c == 'e') {
      text += 'E';
    } else {
      text += *c;
    }
  }
  return text;
}

}  // namespace vorlane
