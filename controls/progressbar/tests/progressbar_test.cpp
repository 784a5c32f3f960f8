#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "controls/progressbar/artwork.h"
#include "controls/progressbar/xp_progressbar.h"
#include "host/canvas/pixel_canvas.h"
#include "tests/golden/golden.h"

namespace vorlane::progressbar {
namespace {

using Stored = std::map<std::string, std::string, std::less<>>;

struct Rig final : ModalMessageBox {
  explicit Rig(int width = 100) : surface(width, 17) {}
  void showStop(const std::string& text, const std::string& title) override {
    shown += text + "|" + title + ";";
  }
  void load(const Stored& stored) {
    PropertyBag bag;
    for (const auto& [key, value] : stored) bag.write(key, value);
    bar.ReadProperties(bag);
  }
  std::vector<std::int32_t> snapshot() const {
    return {bar.Min(), bar.Max(), bar.Value(), bar.Style(), bar.ProgressLook()};
  }
  bool shows(const Pixels24& expected) const {
    return std::equal(expected.data(), expected.data() + expected.size(), surface.pixels().data());
  }
  PixelCanvas surface;
  std::string shown;
  std::string changes;
  Xp_ProgressBar bar{surface, *this,
                     [this](std::string_view name) { changes += std::string(name) + ";"; }};
};

// Values 1 to `count` (1 and 0 alternating in the group style), then `then`;
// before Value `switchAt` the skin changes to the one four further on.
const struct Scenario {
  int width, max, style, count;
  std::vector<int> then;
  int switchAt = -1;
} kScenarios[] = {
    {97, 100, 0, 0, {}},                                            // frame only
    {100, 100, 0, 4, {}},                                           // nothing below 5
    {100, 100, 0, 5, {}},                                           // first block
    {100, 100, 0, 15, {}},                                          // second block
    {100, 100, 0, 94, {}},                                          // nine blocks
    {100, 100, 0, 95, {}},                                          // squeezed last block
    {100, 100, 0, 100, {}},                                         // full bar
    {100, 100, 0, 0, {5, 50, 51, 52, 53, 54, 55, 56, 57, 58}},      // a jump: one block
    {100, 100, 0, 0, {5, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59}},  // the ninth call: two
    {100, 100, 0, 50, {20}},                                        // lower Value redraws
    {100, 100, 0, 50, {20, 30}},                                    // below the reset: afresh
    {100, 100, 0, 50, {0}},                                         // Value at Min empties
    {100, 200, 0, 109, {}},                                         // Max 200 spreads blocks
    {100, 100, 0, 25, {}, 6},                                       // new skin, next blocks
    {100, 100, 1, 1, {}},                                           // group: first step
    {100, 100, 1, 2, {}},                                           // tail erased
    {100, 100, 1, 18, {}},                                          // group at 89
    {100, 100, 1, 19, {}},                                          // leaving at the right
    {100, 100, 1, 20, {}},                                          // gone
    {100, 100, 1, 21, {}},                                          // restarted at 2
    {100, 100, 1, 3, {100}},                                        // Max clears the group
    {103, 100, 1, 20, {}},                                          // erased up to the frame
};

// One column per skin, in ProgressLook order (master, blue, bluemet, goldmet,
// grmet, greymet, orangemet, redmet), one row per scenario, on the XP form's face
// colour: the golden sheet the README shows.
TEST(ProgressBar, EverySkinInBothStylesMatchesTheGoldenSheet) {
  const int rows = static_cast<int>(std::size(kScenarios));
  PixelCanvas sheet(kSkinCount * 111 + 8, rows * 21 + 5, rgb(236, 233, 216));
  for (int skin = 0; skin < kSkinCount; ++skin) {
    for (int row = 0; row < rows; ++row) {
      const Scenario& scenario = kScenarios[row];
      Rig rig(scenario.width);
      rig.bar.setProgressLook(skin);
      rig.bar.setStyle(scenario.style);
      rig.bar.setMax(scenario.max);
      rig.bar.Resize(scenario.width, 17);
      for (int i = 1; i <= scenario.count; ++i) {
        if (i == scenario.switchAt) rig.bar.setProgressLook((skin + 4) % kSkinCount);
        rig.bar.setValue(scenario.style == 0 ? i : i % 2);
      }
      for (const int value : scenario.then) rig.bar.setValue(value);
      sheet.writePixels(8 + skin * 111, 5 + row * 21, rig.surface.pixels());
    }
  }
  EXPECT_TRUE(
      testing::matchesGolden(sheet.pixels(), "controls/progressbar/tests/golden/skins.png"));
}

// A refused value shows its one message and changes, reports and draws
// nothing; an accepted one reports its property, and only Value draws.
TEST(ProgressBar, SettersCheckTheirValues) {
  const struct {
    Stored loaded;
    std::string property;
    std::int32_t value;
    const char* refusal;
  } cases[] = {
      {{{"Min", "60"}, {"Max", "40"}}, "Value", 50, "Value can NOT be higher than Maximum !"},
      {{{"Min", "12.5"}}, "Value", 12, "Value can NOT be smaller than minimum !"},
      {{}, "Min", -1, "Minimum can NOT be smaller then 0 !"},
      {{{"Max", "-5"}}, "Min", -1, "Minimum can NOT be biger than maximum !"},
      {{{"Min", "30"}}, "Max", 29, "Maximum can NOT be smaller than minimum !"},
      {{}, "Min", 100, nullptr},
      {{}, "Min", 0, nullptr},
      {{{"Min", "30"}, {"Value", "80"}}, "Max", 30, nullptr},
      {{}, "Style", 2, nullptr},
      {{}, "ProgressLook", 8, nullptr},
  };
  const std::string names[] = {"Min", "Max", "Value", "Style", "ProgressLook"};
  void (Xp_ProgressBar::*const setters[])(std::int32_t) = {
      &Xp_ProgressBar::setMin, &Xp_ProgressBar::setMax, &Xp_ProgressBar::setValue,
      &Xp_ProgressBar::setStyle, &Xp_ProgressBar::setProgressLook};
  for (const auto& row : cases) {
    Rig rig;
    rig.load(row.loaded);
    rig.bar.Resize(100, 17);
    auto expected = rig.snapshot();
    const Pixels24 drawn = rig.surface.pixels();
    rig.changes.clear();
    const auto at = std::find(std::begin(names), std::end(names), row.property) - names;
    (rig.bar.*setters[at])(row.value);
    if (!row.refusal) expected[static_cast<std::size_t>(at)] = row.value;
    EXPECT_EQ(rig.snapshot(), expected) << row.property << " " << row.value;
    EXPECT_EQ(rig.bar.activeSkin(), 0) << "a look outside the eight skins keeps the skin";
    EXPECT_EQ(rig.shown, row.refusal ? row.refusal + std::string("|Error;") : "");
    EXPECT_EQ(rig.changes, row.refusal ? "" : row.property + ";");
    EXPECT_TRUE(rig.shows(drawn) || row.property == "Value");
  }
  EXPECT_EQ(skinPicture(kSkinCount, 0), nullptr);
  EXPECT_EQ(skinPicture(0, kPicturesPerSkin), nullptr);
}

// Stored values come back without checks and without drawing; unreadable ones
// give the defaults, which are not written back.
TEST(ProgressBar, LoadingTakesValuesAsStoredAndWritingGivesThemBack) {
  const std::pair<Stored, std::vector<std::int32_t>> cases[] = {
      {{{"Min", "70"}, {"Max", "20"}, {"Value", "500"}, {"Style", "-3"}, {"ProgressLook", "6"}},
       {70, 20, 500, -3, 6}},
      {{{"Min", "nan"}, {"Max", "lots"}, {"Value", "99999999999"}, {"ProgressLook", "x"}},
       {0, 100, 0, 0, 0}},
      {{{"Min", "12.5"}, {"Max", "100.5"}}, {12, 100, 0, 0, 0}},
      {{{"Min", "-1e12"}, {"Max", "1e12"}}, {-2147483647 - 1, 2147483647, 0, 0, 0}},
  };
  for (const auto& [stored, loaded] : cases) {
    Rig rig;
    rig.load(stored);
    EXPECT_EQ(rig.snapshot(), loaded);
    EXPECT_EQ(rig.bar.activeSkin(), loaded[4]);
    EXPECT_EQ(rig.changes, "ProgressLook;");
    EXPECT_TRUE(rig.shows(Rig().surface.pixels()));
    PropertyBag written;
    rig.bar.WriteProperties(written);
    EXPECT_EQ(written.values().empty(), loaded == Rig().snapshot()) << "defaults are left out";
    Rig copy;
    copy.load(written.values());
    EXPECT_EQ(copy.snapshot(), loaded);
  }
}

TEST(ProgressBar, NoSkinFiguresBeyondTheBlockArithmeticOrTinyBarsDrawNoBlocks) {
  Rig rig;
  rig.bar.Resize(100, 17);
  const Pixels24 frameOnly = rig.surface.pixels();
  rig.bar.setMax(32767);
  rig.bar.setValue(32767);
  EXPECT_TRUE(rig.shows(frameOnly)) << "no skin loaded";
  EXPECT_EQ(rig.bar.drawingState().blockTicks, 32767) << "the reach stops at the 16-bit limit";
  rig.bar.setProgressLook(0);
  rig.bar.setMax(0);
  rig.bar.setValue(0);
  EXPECT_TRUE(rig.shows(frameOnly)) << "Max equal to Min";
  rig.bar.setMax(40000);
  rig.bar.setValue(20000);
  EXPECT_TRUE(rig.shows(frameOnly)) << "a range beyond 16 bits";
  // A lower Value resets from Value itself, beyond 16 bits, and then from Value - Min.
  rig.bar.setMin(39900);
  rig.bar.setValue(39950);
  EXPECT_FALSE(rig.shows(frameOnly));
  rig.bar.setValue(39920);
  EXPECT_TRUE(rig.shows(frameOnly));
  EXPECT_TRUE(rig.bar.drawingState().outOfRange);
  rig.bar.setValue(39921);
  EXPECT_EQ(rig.bar.drawingState().blockX, 24);
  for (const int size : {0, 4, 12, -3}) {
    Rig tiny(std::max(size, 0));
    tiny.bar.setProgressLook(0);
    tiny.bar.Resize(size, size + 2);
    for (int value = 1; value <= 100; value += 7) tiny.bar.setValue(value);
    EXPECT_EQ(tiny.bar.drawingState().blockX, 4) << size;
  }
}

}  // namespace
}  // namespace vorlane::progressbar
