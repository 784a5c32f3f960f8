#pragma once

#include <string>

namespace vorlane {

// The decimal separator of the logged-on user's regional settings.
std::string userDecimalSeparator();

}  // namespace vorlane
