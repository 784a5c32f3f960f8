#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/canvas/pixels24.h"

namespace vorlane::testing {

// Compares `drawn` with the PNG at `picture` (below the source tree unless
// absolute); with VORLANE_UPDATE_GOLDEN=1 the PNG is written instead. A
// mismatch writes <name>.drawn.png into golden-diff/.
::testing::AssertionResult matchesGolden(const Pixels24& drawn, const std::string& picture);

}  // namespace vorlane::testing
