// Every look of the push button drawn on the in-memory canvas and compared
// pixel for pixel with the committed sheets in golden/.

#include "tests/golden/golden.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "controls/button/gallery/sheets.h"

namespace vorlane::testing {
namespace {

TEST(ButtonGolden, EverySheetMatches) {
  const gallery::Surface surface = gallery::pixelSurface();
  const struct {
    const char* name;
    std::function<Pixels24()> draw;
  } sheets[] = {
      {"scheme1-system", [&] { return gallery::buttonSheet(surface, {1}, false); }},
      {"scheme2-custom", [&] { return gallery::buttonSheet(surface, {2}, false); }},
      {"scheme3-classic", [&] { return gallery::buttonSheet(surface, {3}, false); }},
      {"scheme4-parent", [&] { return gallery::buttonSheet(surface, {4}, false); }},
      {"default-button",
       [&] {
         return gallery::buttonSheet(surface, {1, 2}, true);
       }},
      {"pictures", [&] { return gallery::pictureSheet(surface); }},
  };
  for (const auto& sheet : sheets) {
    EXPECT_TRUE(matchesGolden(sheet.draw(),
                              std::string("controls/button/tests/golden/") + sheet.name + ".png"))
        << sheet.name;
  }
}

}  // namespace
}  // namespace vorlane::testing
