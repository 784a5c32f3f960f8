// Every look of the push button on the in-memory canvas against the sheets in golden/.

#include "tests/golden/golden.h"

#include "controls/button/gallery/sheets.h"

namespace vorlane::testing {
namespace {

TEST(ButtonGolden, EverySheetMatches) {
  const gallery::Surface surface = gallery::pixelSurface();
  const std::pair<const char*, Pixels24> sheets[] = {
      {"scheme1-system", gallery::buttonSheet(surface, {1}, false)},
      {"scheme2-custom", gallery::buttonSheet(surface, {2}, false)},
      {"scheme3-classic", gallery::buttonSheet(surface, {3}, false)},
      {"scheme4-parent", gallery::buttonSheet(surface, {4}, false)},
      {"default-button", gallery::buttonSheet(surface, {1, 2}, true)},
      {"pictures", gallery::pictureSheet(surface)},
  };
  for (const auto& [name, sheet] : sheets) {
    EXPECT_TRUE(matchesGolden(sheet, std::string("controls/button/tests/golden/") + name + ".png"))
        << name;
  }
}

}  // namespace
}  // namespace vorlane::testing
