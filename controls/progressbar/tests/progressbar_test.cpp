#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "controls/progressbar/artwork.h"
#include "controls/progressbar/tests/progressbar_test_support.h"
#include "controls/progressbar/xp_progressbar.h"
#include "host/canvas/pixel_canvas.h"
#include "tests/golden/golden.h"

// The golden strips pin what the bar draws; the other cases cover the checks,
// persistence and the figures beyond the 16-bit block arithmetic.
namespace vorlane::progressbar {
namespace {

using Stored = std::map<std::string, std::string, std::less<>>;

// A bar on its own surface that records its messages and reported changes.
struct Rig {
  explicit Rig(int width = 100) : surface(width, 17) {}
  void load(const Stored& stored) {
    PropertyBag bag;
    for (const auto& [key, value] : stored) {
      bag.write(key, value);
    }
    bar.ReadProperties(bag);
  }
  std::vector<std::int32_t> snapshot() const {
    return {bar.Min(), bar.Max(), bar.Value(), bar.Style(), bar.ProgressLook()};
  }
  bool shows(const Pixels24& expected) const {
    const Pixels24& drawn = surface.pixels();
    return std::equal(drawn.data(), drawn.data() + drawn.size(), expected.data());
  }
  PixelCanvas surface;
  testing::RecordingMessageBox messages;
  std::vector<std::string> changes;
  Xp_ProgressBar bar{surface, messages,
                     [this](std::string_view name) { changes.emplace_back(name); }};
};

std::vector<int> upTo(int last, std::vector<int> then = {}) {
  std::vector<int> values;
  for (int value = 1; value <= last; ++value) {
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

// One bar of a skin's strip: `width` wide with `max` and `style`, fed `values`
// in turn; before value number `switchAt` the skin changes to the one four on.
const struct Scenario {
  int width;
  int max;
  int style;
  std::vector<int> values;
  int switchAt = -1;
} kScenarios[] = {
    {97, 100, 0, {}},                                            // frame only
    {100, 100, 0, upTo(4)},                                      // nothing below 5
    {100, 100, 0, upTo(5)},                                      // first block
    {100, 100, 0, upTo(15)},                                     // second block
    {100, 100, 0, upTo(94)},                                     // nine blocks
    {100, 100, 0, upTo(95)},                                     // squeezed last block
    {100, 100, 0, upTo(100)},                                    // full bar
    {100, 100, 0, {5, 50, 51, 52, 53, 54, 55, 56, 57, 58}},      // a jump: one block
    {100, 100, 0, {5, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59}},  // the ninth call: two
    {100, 100, 0, upTo(50, {20})},                               // lower Value redraws
    {100, 100, 0, upTo(50, {20, 30})},                           // below the reset: afresh
    {100, 100, 0, upTo(50, {0})},                                // Value at Min empties
    {100, 200, 0, upTo(109)},                                    // Max 200 spreads blocks
    {100, 100, 0, upTo(25), 5},                                  // new skin, next blocks
    {100, 100, 1, steps(1)},                                     // group: first step
    {100, 100, 1, steps(2)},                                     // tail erased
    {100, 100, 1, steps(18)},                                    // group at 89
    {100, 100, 1, steps(19)},                                    // leaving at the right
    {100, 100, 1, steps(20)},                                    // gone
    {100, 100, 1, steps(21)},                                    // restarted at 2
    {100, 100, 1, upTo(3, {100})},                               // Max clears the group
    {103, 100, 1, steps(20)},                                    // erased up to the frame
};

TEST(ProgressBar, EverySkinInBothStylesMatchesItsGoldenStrip) {
  const int rows = static_cast<int>(std::size(kScenarios));
  for (int skin = 0; skin < kSkinCount; ++skin) {
    PixelCanvas strip(103, rows * 18, rgb(255, 0, 255));
    for (int row = 0; row < rows; ++row) {
      const Scenario& scenario = kScenarios[row];
      Rig rig(scenario.width);
      rig.bar.setProgressLook(skin);
      rig.bar.setStyle(scenario.style);
      rig.bar.setMax(scenario.max);
      rig.bar.Resize(scenario.width, 17);
      for (std::size_t i = 0; i < scenario.values.size(); ++i) {
        if (static_cast<int>(i) == scenario.switchAt) {
          rig.bar.setProgressLook((skin + 4) % kSkinCount);
        }
        rig.bar.setValue(scenario.values[i]);
      }
      EXPECT_TRUE(rig.messages.shown.empty()) << row;
      strip.writePixels(0, row * 18, rig.surface.pixels());
    }
    const std::string name(kSkinNames[static_cast<std::size_t>(skin)]);
    EXPECT_TRUE(::vorlane::testing::matchesGolden(
        strip.pixels(), "controls/progressbar/tests/golden/" + name + ".png"));
  }
}

// A refused value shows its one message and changes, reports and draws nothing.
TEST(ProgressBar, RefusedValuesShowTheirMessageAndChangeNothing) {
  const struct {
    Stored loaded;
    void (Xp_ProgressBar::*set)(std::int32_t);
    std::int32_t value;
    const char* message;
  } cases[] = {
      {{}, &Xp_ProgressBar::setValue, 101, "Value can NOT be higher than Maximum !"},
      {{}, &Xp_ProgressBar::setValue, -1, "Value can NOT be smaller than minimum !"},
      {{{"Min", "60"}, {"Max", "40"}},
       &Xp_ProgressBar::setValue,
       50,
       "Value can NOT be higher than Maximum !"},
      {{{"Min", "12.5"}}, &Xp_ProgressBar::setValue, 12, "Value can NOT be smaller than minimum !"},
      {{}, &Xp_ProgressBar::setMin, 101, "Minimum can NOT be biger than maximum !"},
      {{}, &Xp_ProgressBar::setMin, -1, "Minimum can NOT be smaller then 0 !"},
      {{{"Max", "-5"}}, &Xp_ProgressBar::setMin, -1, "Minimum can NOT be biger than maximum !"},
      {{{"Min", "30"}}, &Xp_ProgressBar::setMax, 29, "Maximum can NOT be smaller than minimum !"},
  };
  for (const auto& refused : cases) {
    Rig rig;
    rig.load(refused.loaded);
    rig.bar.Resize(100, 17);
    const auto before = rig.snapshot();
    const Pixels24 drawn = rig.surface.pixels();
    rig.changes.clear();
    (rig.bar.*refused.set)(refused.value);
    EXPECT_EQ(rig.messages.shown,
              std::vector<std::string>{refused.message + std::string("|Error")});
    EXPECT_TRUE(rig.changes.empty());
    EXPECT_EQ(rig.snapshot(), before);
    EXPECT_TRUE(rig.shows(drawn)) << refused.message;
  }
}

TEST(ProgressBar, OnlyValueDrawsAndBoundaryValuesAreAccepted) {
  Rig rig;
  rig.bar.setProgressLook(0);
  rig.bar.Resize(100, 17);
  const Pixels24 empty = rig.surface.pixels();
  rig.changes.clear();
  rig.bar.setMin(10);
  rig.bar.setMax(90);
  rig.bar.setStyle(2);
  rig.bar.setProgressLook(3);
  rig.bar.setProgressLook(8);
  EXPECT_TRUE(rig.shows(empty));
  EXPECT_EQ(rig.bar.activeSkin(), 3) << "a look outside the eight skins keeps the skin";
  EXPECT_EQ(rig.changes,
            (std::vector<std::string>{"Min", "Max", "Style", "ProgressLook", "ProgressLook"}));
  for (const int value : {90, 10, 80}) {
    rig.bar.setValue(value);
  }
  rig.bar.setMin(0);
  rig.bar.setMax(0);  // no lower bound of its own, and Value may stay outside
  EXPECT_EQ(rig.bar.Value(), 80);
  rig.bar.setMax(50);
  rig.bar.setMin(50);
  rig.bar.setMax(50);
  rig.bar.setValue(50);
  EXPECT_TRUE(rig.messages.shown.empty());
  EXPECT_EQ(rig.snapshot(), (std::vector<std::int32_t>{50, 50, 50, 2, 8}));
  EXPECT_EQ(skinPicture(8, 0), skinPicture(0, 3));
  EXPECT_EQ(skinPicture(-1, 0), skinPicture(0, -1));
}

TEST(ProgressBar, ChangedPropertiesRoundTripAndDefaultsStayOut) {
  Rig rig;
  PropertyBag bag;
  rig.bar.WriteProperties(bag);
  EXPECT_TRUE(bag.values().empty());
  rig.bar.setMax(200);
  rig.bar.setValue(150);
  rig.bar.setProgressLook(6);
  rig.bar.WriteProperties(bag);
  EXPECT_EQ(bag.values(),
            (decltype(bag.values()){{"Max", "200"}, {"ProgressLook", "6"}, {"Value", "150"}}));
  Rig loaded;
  loaded.load(bag.values());
  EXPECT_EQ(loaded.snapshot(), rig.snapshot());
  EXPECT_EQ(loaded.bar.activeSkin(), 6);
  EXPECT_EQ(loaded.changes, (std::vector<std::string>{"ProgressLook"}));
  EXPECT_TRUE(loaded.shows(Rig().surface.pixels())) << "loading draws nothing";
}

// Stored values come back without checks; unreadable ones give the defaults,
// fractions stay in the comparisons and are handed out rounded.
TEST(ProgressBar, LoadingTakesValuesAsStored) {
  const std::pair<Stored, std::vector<std::int32_t>> cases[] = {
      {{}, {0, 100, 0, 0, 0}},
      {{{"Min", "70"}, {"Max", "20"}, {"Value", "500"}, {"Style", "-3"}}, {70, 20, 500, -3, 0}},
      {{{"Min", "nan"}, {"Max", "lots"}, {"Value", "99999999999"}, {"ProgressLook", "x"}},
       {0, 100, 0, 0, 0}},
      {{{"Min", "12.5"}, {"Max", "100.5"}}, {12, 100, 0, 0, 0}},
      {{{"Min", "-1e12"}, {"Max", "1e12"}}, {-2147483647 - 1, 2147483647, 0, 0, 0}},
  };
  for (const auto& [stored, loaded] : cases) {
    Rig rig;
    rig.load(stored);
    EXPECT_EQ(rig.snapshot(), loaded);
    EXPECT_EQ(rig.bar.activeSkin(), 0);
  }
}

TEST(ProgressBar, FiguresBeyondTheBlockArithmeticOrNoSkinDrawNoBlocks) {
  Rig frameOnly;
  frameOnly.bar.Resize(100, 17);
  Rig rig;
  rig.bar.Resize(100, 17);
  for (int value = 1; value <= 100; ++value) {
    rig.bar.setValue(value);
  }
  EXPECT_TRUE(rig.shows(frameOnly.surface.pixels())) << "no skin loaded";
  rig.bar.setProgressLook(0);
  rig.bar.setMax(50);
  rig.bar.setMin(50);
  rig.bar.setValue(50);
  rig.bar.setMin(0);
  rig.bar.setMax(0);
  rig.bar.setValue(0);
  EXPECT_TRUE(rig.shows(frameOnly.surface.pixels())) << "Max equal to Min";
  rig.bar.setMax(40000);
  for (const int value : {100, 20000, 39999, 40000}) {
    rig.bar.setValue(value);
    EXPECT_TRUE(rig.shows(frameOnly.surface.pixels())) << value;
  }
  // A lower Value resets from the Value itself, which does not fit 16 bits;
  // the bar is then empty and the next call resets from Value - Min.
  rig.bar.setMin(39900);
  rig.bar.setValue(39950);
  EXPECT_FALSE(rig.shows(frameOnly.surface.pixels()));
  rig.bar.setValue(39920);
  EXPECT_TRUE(rig.shows(frameOnly.surface.pixels()));
  EXPECT_TRUE(rig.bar.drawingState().outOfRange);
  rig.bar.setValue(39921);
  EXPECT_EQ(rig.bar.drawingState().blockX, 24);
  EXPECT_TRUE(rig.messages.shown.empty());
}

TEST(ProgressBar, TinyOrUnsizedBarsDrawSafely) {
  for (const int size : {0, 4, 12, -3}) {
    Rig rig(std::max(size, 0));
    rig.bar.setProgressLook(0);
    rig.bar.Resize(size, size + 2);
    for (int value = 1; value <= 100; value += 7) {
      rig.bar.setValue(value);
    }
    EXPECT_EQ(rig.bar.drawingState().blockX, 4) << size;
  }
}

}  // namespace
}  // namespace vorlane::progressbar
