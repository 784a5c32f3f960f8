#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "controls/progressbar/tests/progressbar_test_support.h"
#include "controls/progressbar/xp_progressbar.h"
#include "host/canvas/pixel_canvas.h"

// What the bar shows is pinned by the golden strips (golden_test.cpp); these
// cases cover the drawing state and the figures at the edges of the 16-bit
// block arithmetic, where the pictures stay empty.
namespace vorlane::progressbar {
namespace {

using testing::RecordingMessageBox;

bool samePixels(const PixelCanvas& a, const PixelCanvas& b) {
  return a.pixels().size() == b.pixels().size() &&
         std::equal(a.pixels().data(), a.pixels().data() + a.pixels().size(), b.pixels().data());
}

class ProgressBarDrawing : public ::testing::Test {
 protected:
  ProgressBarDrawing() {
    bar_.setProgressLook(0);
    bar_.Resize(100, 17);
  }

  // True when the bar shows only its frame and the empty well.
  bool empty() const { return samePixels(surface_, emptyBar()); }
  static const PixelCanvas& emptyBar() {
    static const PixelCanvas drawn = [] {
      PixelCanvas surface(100, 17);
      RecordingMessageBox messages;
      Xp_ProgressBar bar(surface, messages);
      bar.Resize(100, 17);
      return surface;
    }();
    return drawn;
  }

  PixelCanvas surface_{100, 17};
  RecordingMessageBox messages_;
  Xp_ProgressBar bar_{surface_, messages_};
};

TEST_F(ProgressBarDrawing, MaxEqualToMinOrRangeBeyond16BitsDrawsNoBlocks) {
  bar_.setMax(50);
  bar_.setMin(50);
  bar_.setValue(50);
  bar_.setMin(0);
  bar_.setMax(0);
  bar_.setValue(0);
  EXPECT_TRUE(empty());
  bar_.setMax(40000);
  for (const int value : {100, 20000, 39999, 40000}) {
    bar_.setValue(value);
    EXPECT_TRUE(empty()) << value;
  }
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(ProgressBarDrawing, ResetBeyond16BitsWaitsForTheNextSoundReset) {
  bar_.setMax(40100);
  bar_.setMin(40000);
  bar_.setValue(40050);  // reach 50 units above Min
  EXPECT_FALSE(empty());
  // A lower Value resets from the Value itself, which does not fit 16 bits:
  // the bar is cleared and nothing is drawn.
  bar_.setValue(40020);
  EXPECT_TRUE(bar_.drawingState().outOfRange);
  EXPECT_TRUE(empty());
  // The bar is empty, so the next call resets from Value - Min, which fits.
  bar_.setValue(40021);
  EXPECT_FALSE(bar_.drawingState().outOfRange);
  EXPECT_EQ(bar_.drawingState().blockX, 24);
}

TEST_F(ProgressBarDrawing, BlocksDrawnBeforeAnySkinShowNothing) {
  PixelCanvas surface(100, 17);
  Xp_ProgressBar bar(surface, messages_);
  bar.Resize(100, 17);
  for (int value = 1; value <= 100; ++value) {
    bar.setValue(value);
  }
  EXPECT_TRUE(samePixels(surface, emptyBar()));
}

TEST_F(ProgressBarDrawing, TinyOrUnsizedBarsDrawSafely) {
  for (const auto& size : std::vector<std::pair<int, int>>{{0, 0}, {4, 4}, {12, 5}, {-3, 20}}) {
    PixelCanvas surface(size.first, size.second);
    Xp_ProgressBar bar(surface, messages_);
    bar.setProgressLook(0);
    bar.Resize(size.first, size.second);
    for (int value = 1; value <= 100; value += 7) {
      bar.setValue(value);
    }
    EXPECT_EQ(bar.drawingState().blockX, 4) << size.first;
  }
}

TEST_F(ProgressBarDrawing, StyleChangeKeepsTheOtherStylesState) {
  bar_.setValue(50);
  ASSERT_EQ(bar_.drawingState().blockX, 54);
  bar_.setStyle(1);
  bar_.setValue(51);
  bar_.setValue(52);
  bar_.setStyle(0);
  bar_.setValue(53);
  EXPECT_EQ(bar_.drawingState().blockX, 54) << "style 0 goes on from its own state";
  EXPECT_EQ(bar_.drawingState().sweepX, 14);
}

}  // namespace
}  // namespace vorlane::progressbar
