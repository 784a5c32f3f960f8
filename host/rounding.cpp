#include "host/rounding.h"

#include <cmath>
#include <limits>

namespace vorlane {

std::int64_t roundHalfEven(double value) {
  if (std::isnan(value)) {
    return 0;
  }
  constexpr double kLimit = 9.2233720368547748e18;  // 2^63
  if (value >= kLimit) {
    return std::numeric_limits<std::int64_t>::max();
  }
  if (value < -kLimit) {
    return std::numeric_limits<std::int64_t>::min();
  }
  const double floor = std::floor(value);
  const double fraction = value - floor;
  auto whole = static_cast<std::int64_t>(floor);
  if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) {
    ++whole;
  }
  return whole;
}

}  // namespace vorlane
