// Every look of the push button on the in-memory canvas against the sheets in golden/.

#include "tests/golden/golden.h"

#include "controls/button/tests/sheets.h"

namespace vorlane::testing {
namespace {

TEST(ButtonGolden, EverySheetMatches) {
  const std::pair<const char*, Pixels24> sheets[] = {
      {"scheme1-system", buttonSheet({1}, false)},   {"scheme2-custom", buttonSheet({2}, false)},
      {"scheme3-classic", buttonSheet({3}, false)},  {"scheme4-parent", buttonSheet({4}, false)},
      {"default-button", buttonSheet({1, 2}, true)}, {"pictures", pictureSheet()},
  };
  for (const auto& [name, sheet] : sheets) {
    EXPECT_TRUE(matchesGolden(sheet, std::string("controls/button/tests/golden/") + name + ".png"))
        << name;
  }
}

}  // namespace
}  // namespace vorlane::testing
