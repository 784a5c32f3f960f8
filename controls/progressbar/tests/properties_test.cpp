#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/progressbar/tests/progressbar_test_support.h"
#include "controls/progressbar/xp_progressbar.h"
#include "host/canvas/pixel_canvas.h"

namespace vorlane::progressbar {
namespace {

using testing::RecordingMessageBox;

class ProgressBarProperties : public ::testing::Test {
 protected:
  ProgressBarProperties()
      : bar_(surface_, messages_, [this](std::string_view name) { changes_.emplace_back(name); }) {}

  // Sets a value that must be rejected and checks that the one message came
  // and nothing else happened.
  template <typename Setter>
  void expectRejected(Setter set, const std::string& message) {
    const auto before = snapshot();
    changes_.clear();
    mark();
    messages_.shown.clear();
    set();
    ASSERT_EQ(messages_.shown.size(), 1U);
    EXPECT_EQ(messages_.shown[0].text, message);
    EXPECT_EQ(messages_.shown[0].title, "Error");
    EXPECT_TRUE(changes_.empty());
    EXPECT_TRUE(untouched());
    EXPECT_EQ(snapshot(), before);
  }

  std::vector<std::int32_t> snapshot() const {
    return {bar_.Min(), bar_.Max(), bar_.Value(), bar_.Style(), bar_.ProgressLook()};
  }

  // Remembers the pixels, so that untouched() tells whether anything was drawn since.
  void mark() {
    marked_.assign(surface_.pixels().data(), surface_.pixels().data() + surface_.pixels().size());
  }
  bool untouched() const {
    return std::equal(marked_.begin(), marked_.end(), surface_.pixels().data());
  }

  PixelCanvas surface_{100, 17};
  std::vector<std::uint8_t> marked_;
  RecordingMessageBox messages_;
  std::vector<std::string> changes_;
  Xp_ProgressBar bar_;
};

TEST_F(ProgressBarProperties, ValueChecksMaximumFirstThenMinimum) {
  expectRejected([this] { bar_.setValue(101); }, "Value can NOT be higher than Maximum !");
  expectRejected([this] { bar_.setValue(-1); }, "Value can NOT be smaller than minimum !");
  // With Min above Max (possible only through loading) both checks fail: the
  // Maximum message wins.
  PropertyBag bag;
  bag.write("Min", "60");
  bag.write("Max", "40");
  bar_.ReadProperties(bag);
  expectRejected([this] { bar_.setValue(50); }, "Value can NOT be higher than Maximum !");
}

TEST_F(ProgressBarProperties, MinChecksMaximumFirstThenZero) {
  expectRejected([this] { bar_.setMin(150); }, "Minimum can NOT be biger than maximum !");
  expectRejected([this] { bar_.setMin(-1); }, "Minimum can NOT be smaller then 0 !");
  // Both checks fail: the comparison with Max comes first.
  PropertyBag bag;
  bag.write("Max", "-5");
  bar_.ReadProperties(bag);
  expectRejected([this] { bar_.setMin(-1); }, "Minimum can NOT be biger than maximum !");
}

TEST_F(ProgressBarProperties, MaxMayNotFallBelowMin) {
  bar_.setMin(30);
  expectRejected([this] { bar_.setMax(29); }, "Maximum can NOT be smaller than minimum !");
}

TEST_F(ProgressBarProperties, BoundaryValuesAreAccepted) {
  bar_.setValue(100);
  bar_.setValue(0);
  bar_.setMax(0);  // Max has no lower bound of its own
  bar_.setMax(50);
  bar_.setMin(50);  // Min equal to Max from the Min side
  bar_.setMax(50);  // and from the Max side
  bar_.setValue(50);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(snapshot(), (std::vector<std::int32_t>{50, 50, 50, 0, 0}));
}

TEST_F(ProgressBarProperties, NarrowingTheRangeLeavesValueOutside) {
  bar_.setValue(80);
  bar_.setMax(50);
  EXPECT_EQ(bar_.Value(), 80);
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(ProgressBarProperties, EachSetterReportsItsPropertyAndOnlyValueAndLookAct) {
  bar_.setProgressLook(0);
  bar_.Resize(100, 17);
  mark();
  changes_.clear();
  bar_.setMin(10);
  bar_.setMax(90);
  bar_.setStyle(1);
  EXPECT_TRUE(untouched()) << "Min, Max and Style redraw nothing";
  bar_.setProgressLook(3);
  EXPECT_TRUE(untouched()) << "a new skin shows in the next blocks only";
  EXPECT_EQ(bar_.activeSkin(), 3);
  bar_.setValue(20);
  EXPECT_FALSE(untouched());
  EXPECT_EQ(changes_, (std::vector<std::string>{"Min", "Max", "Style", "ProgressLook", "Value"}));
}

TEST_F(ProgressBarProperties, LookOutsideTheEightSkinsKeepsTheSkin) {
  bar_.setProgressLook(7);
  for (const int look : {8, -1, 1000}) {
    bar_.setProgressLook(look);
    EXPECT_EQ(bar_.ProgressLook(), look);
    EXPECT_EQ(bar_.activeSkin(), 7);
  }
  bar_.setProgressLook(0);
  EXPECT_EQ(bar_.activeSkin(), 0);
}

TEST_F(ProgressBarProperties, AllDefaultsStoreNoKeyAndLoadBackAsDefaults) {
  PropertyBag bag;
  bar_.WriteProperties(bag);
  EXPECT_TRUE(bag.values().empty());
  bar_.ReadProperties(bag);
  EXPECT_EQ(snapshot(), (std::vector<std::int32_t>{0, 100, 0, 0, 0}));
  EXPECT_EQ(bar_.activeSkin(), 0) << "loading always loads the skin";
  EXPECT_EQ(changes_, (std::vector<std::string>{"ProgressLook"}));
}

TEST_F(ProgressBarProperties, ChangedPropertiesRoundTripAndDefaultsStayOut) {
  bar_.setMax(200);
  bar_.setValue(150);
  bar_.setProgressLook(6);
  PropertyBag bag;
  bar_.WriteProperties(bag);
  EXPECT_FALSE(bag.contains("Min"));
  EXPECT_FALSE(bag.contains("Style"));
  EXPECT_EQ(bag.read("Max"), "200");
  EXPECT_EQ(bag.read("Value"), "150");
  EXPECT_EQ(bag.read("ProgressLook"), "6");

  PixelCanvas otherSurface(100, 17);
  RecordingMessageBox otherMessages;
  Xp_ProgressBar loaded(otherSurface, otherMessages);
  loaded.ReadProperties(bag);
  EXPECT_EQ(loaded.Max(), 200);
  EXPECT_EQ(loaded.Value(), 150);
  EXPECT_EQ(loaded.activeSkin(), 6);
  EXPECT_EQ(otherSurface.pixels().data()[0], 0) << "loading draws nothing";
}

TEST_F(ProgressBarProperties, LoadingTakesValuesWithoutChecks) {
  PropertyBag bag;
  bag.write("Min", "70");
  bag.write("Max", "20");
  bag.write("Value", "500");
  bag.write("Style", "-3");
  bar_.ReadProperties(bag);
  EXPECT_TRUE(messages_.shown.empty());
  EXPECT_EQ(snapshot(), (std::vector<std::int32_t>{70, 20, 500, -3, 0}));
}

TEST_F(ProgressBarProperties, StoredMinAndMaxKeepTheirFractionInComparisons) {
  PropertyBag bag;
  bag.write("Max", "100.5");
  bag.write("Min", "12.5");
  bar_.ReadProperties(bag);
  EXPECT_EQ(bar_.Max(), 100);  // handed out rounded, halves to even
  EXPECT_EQ(bar_.Min(), 12);
  bar_.setValue(12);
  EXPECT_EQ(messages_.shown.size(), 1U) << "12 lies below 12.5";
}

TEST_F(ProgressBarProperties, UnreadableStoredValuesFallBackToDefaults) {
  PropertyBag bag;
  bag.write("Min", "nan");
  bag.write("Max", "lots");
  bag.write("Value", "99999999999");
  bag.write("ProgressLook", "x");
  bar_.ReadProperties(bag);
  EXPECT_EQ(snapshot(), (std::vector<std::int32_t>{0, 100, 0, 0, 0}));
}

}  // namespace
}  // namespace vorlane::progressbar
