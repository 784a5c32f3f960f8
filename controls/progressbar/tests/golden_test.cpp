#include "tests/golden/golden.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/progressbar/artwork.h"
#include "controls/progressbar/tests/progressbar_test_support.h"
#include "controls/progressbar/xp_progressbar.h"
#include "host/canvas/pixel_canvas.h"

namespace vorlane::progressbar {
namespace {

using testing::RecordingMessageBox;

constexpr int kStripWidth = 103;
constexpr int kBarHeight = 17;

// One bar of a skin's strip: a bar of `width` pixels with `max` and `style`,
// fed `values` in turn; after `switchAfter` values the skin changes to the
// one four further on.
struct Scenario {
  const char* what;
  int width;
  int max;
  int style;
  std::vector<int> values;
  int switchAfter = -1;
};

std::vector<int> upTo(int first, int last, std::vector<int> then = {}) {
  std::vector<int> values;
  for (int value = first; value <= last; ++value) {
    values.push_back(value);
  }
  values.insert(values.end(), then.begin(), then.end());
  return values;
}

// Alternating values: every change moves the group of the other styles.
std::vector<int> steps(int count) {
  std::vector<int> values;
  for (int i = 0; i < count; ++i) {
    values.push_back(1 - i % 2);
  }
  return values;
}

const std::vector<Scenario>& scenarios() {
  static const std::vector<Scenario> table = {
      {"frame only, 97 wide", 97, 100, 0, {}},
      {"nothing below Value 5", 100, 100, 0, upTo(1, 4)},
      {"first block at 5", 100, 100, 0, upTo(1, 5)},
      {"second block at 15", 100, 100, 0, upTo(1, 15)},
      {"nine blocks at 94", 100, 100, 0, upTo(1, 94)},
      {"squeezed last block at 95", 100, 100, 0, upTo(1, 95)},
      {"full bar at 100", 100, 100, 0, upTo(1, 100)},
      {"a jump to 50 then eight calls: one block",
       100,
       100,
       0,
       {5, 50, 51, 52, 53, 54, 55, 56, 57, 58}},
      {"the ninth call draws the second", 100, 100, 0, {5, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59}},
      {"50 then 20 redraws from 20", 100, 100, 0, upTo(1, 50, {20})},
      {"below the reset value: afresh", 100, 100, 0, upTo(1, 50, {20, 30})},
      {"Value at Min empties", 100, 100, 0, upTo(1, 50, {0})},
      {"Max 200 spreads the blocks", 100, 200, 0, upTo(1, 109)},
      {"new skin shows in the next blocks", 100, 100, 0, upTo(1, 25), 5},
      {"group: first step", 100, 100, 1, steps(1)},
      {"group: second step erases the tail", 100, 100, 1, steps(2)},
      {"group at 89", 100, 100, 1, steps(18)},
      {"group leaving at the right", 100, 100, 1, steps(19)},
      {"group gone", 100, 100, 1, steps(20)},
      {"group restarted at 2", 100, 100, 1, steps(21)},
      {"Max clears the group", 100, 100, 1, upTo(1, 3, {100})},
      {"remains erased up to the frame, 103 wide", 103, 100, 1, steps(20)},
  };
  return table;
}

Pixels24 drawScenario(const Scenario& scenario, int skin) {
  PixelCanvas surface(scenario.width, kBarHeight);
  RecordingMessageBox messages;
  Xp_ProgressBar bar(surface, messages);
  bar.setProgressLook(skin);
  bar.setStyle(scenario.style);
  bar.setMax(scenario.max);
  bar.Resize(scenario.width, kBarHeight);
  for (std::size_t i = 0; i < scenario.values.size(); ++i) {
    if (static_cast<int>(i) == scenario.switchAfter) {
      bar.setProgressLook((skin + 4) % kSkinCount);
    }
    bar.setValue(scenario.values[i]);
  }
  EXPECT_TRUE(messages.shown.empty()) << scenario.what;
  return surface.pixels();
}

// Every skin in both styles: one strip per skin, one bar per scenario, each
// on a row of its own over a magenta margin.
TEST(ProgressBarGolden, EverySkinInBothStyles) {
  const auto& table = scenarios();
  for (int skin = 0; skin < kSkinCount; ++skin) {
    Pixels24 strip(kStripWidth, static_cast<std::int32_t>(table.size()) * (kBarHeight + 1),
                   vorlane::rgb(255, 0, 255));
    for (std::size_t row = 0; row < table.size(); ++row) {
      const Pixels24 bar = drawScenario(table[row], skin);
      const int top = static_cast<int>(row) * (kBarHeight + 1);
      for (int y = 0; y < bar.height(); ++y) {
        for (int x = 0; x < bar.width(); ++x) {
          strip.set(x, top + y, bar.at(x, y));
        }
      }
    }
    const std::string name(kSkinNames[static_cast<std::size_t>(skin)]);
    EXPECT_TRUE(::vorlane::testing::matchesGolden(
        strip, "controls/progressbar/tests/golden/" + name + ".png"));
  }
}

}  // namespace
}  // namespace vorlane::progressbar
