#pragma once

#include <cstdint>

namespace vorlane {

// Every double-to-integer conversion of the program rounds to the nearest whole
// number, halves to the even neighbour (12.5 -> 12, 13.5 -> 14). Values outside
// the 64-bit range, and NaN, clamp to the nearest representable bound (NaN -> 0).
std::int64_t roundHalfEven(double value);

}  // namespace vorlane
