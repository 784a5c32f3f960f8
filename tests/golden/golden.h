#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/canvas/pixels24.h"

namespace vorlane::testing {

// Compares a drawn picture with its committed PNG, pixel for pixel.
// `picture` is the path below the source tree, for example
// "controls/button/tests/golden/type1-normal.png".
//
// With VORLANE_UPDATE_GOLDEN=1 in the environment the PNG is written instead and
// the check passes: run the suite that way after an intended change, then look
// at the pictures before committing them. On a mismatch the drawn picture and a
// difference image (changed pixels red, the rest faded) are written into
// golden-diff/ in the test's working folder.
::testing::AssertionResult matchesGolden(const Pixels24& drawn, const std::string& picture);

}  // namespace vorlane::testing
