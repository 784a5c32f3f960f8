#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/canvas/pixels24.h"

namespace vorlane::testing {

// Compares a drawn picture with its committed PNG, pixel for pixel; `picture`
// is the path below the source tree. With VORLANE_UPDATE_GOLDEN=1 in the
// environment the PNG is written instead: run the suite that way after an
// intended change and look at the pictures before committing them. On a
// mismatch the drawn picture goes to golden-diff/ in the working folder.
::testing::AssertionResult matchesGolden(const Pixels24& drawn, const std::string& picture);

}  // namespace vorlane::testing
