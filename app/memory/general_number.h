#pragma once

#include <string>
#include <string_view>

namespace vorlane {

// The system's general number text of a double: at most 15 significant digits,
// no trailing zeros, no separator for whole numbers, exponent form ("1E+15",
// "1E-05") only from 1E+15 on and below 0.0001, the user's decimal separator.
std::string generalNumberText(double value, std::string_view decimalSeparator);

}  // namespace vorlane
