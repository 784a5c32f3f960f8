#pragma once

#include <string_view>

namespace vorlane {

// Whether a stored "firstuse" text reads as a truth value: "True" or "False" in
// any letter case, or a decimal number (optional sign, digits with an optional
// fraction: "0", "-1", "2.5", ".5"). No blanks, no exponent, nothing else:
// anything that is not plainly one of these counts as a first use.
bool readsAsTruthValue(std::string_view text);

}  // namespace vorlane
