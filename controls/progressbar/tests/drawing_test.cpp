#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "controls/progressbar/artwork.h"
#include "controls/progressbar/pixel_surface.h"
#include "controls/progressbar/tests/progressbar_test_support.h"
#include "controls/progressbar/xp_progressbar.h"

namespace vorlane::progressbar {
namespace {

using testing::RecordingMessageBox;
using testing::RecordingSurface;

constexpr PixelRect kWholeBlock{0, 0, 8, 10};

// The destination rectangles of the skin pictures a call drew, in order.
std::vector<PixelRect> skinCopies(const std::vector<RecordingSurface::Call>& calls,
                                  std::size_t from = 0) {
  std::vector<PixelRect> copies;
  for (std::size_t i = from; i < calls.size(); ++i) {
    if (!calls[i].clear && calls[i].picture.kind == Picture::Kind::Skin) {
      copies.push_back(calls[i].destination);
    }
  }
  return copies;
}

PixelRect block(int x, int width = 8) { return {x, 3, width, 11}; }

class ProgressBarDrawing : public ::testing::Test {
 protected:
  explicit ProgressBarDrawing(int width = 100, int height = 17) {
    bar_.setProgressLook(0);
    bar_.Resize(width, height);
  }

  // Sets a value and returns the skin copies it drew.
  std::vector<PixelRect> set(std::int32_t value) {
    const std::size_t before = surface_.calls.size();
    bar_.setValue(value);
    return skinCopies(surface_.calls, before);
  }

  RecordingSurface surface_;
  RecordingMessageBox messages_;
  Xp_ProgressBar bar_{surface_, messages_};
};

TEST_F(ProgressBarDrawing, FrameIsNinePiecesOfTheFramePicture) {
  surface_.calls.clear();
  bar_.Resize(97, 17);
  ASSERT_EQ(surface_.calls.size(), 10U);
  EXPECT_TRUE(surface_.calls[0].clear);
  const std::vector<std::pair<PixelRect, PixelRect>> expected = {
      {{0, 0, 3, 3}, {0, 0, 3, 3}},     {{94, 0, 3, 3}, {56, 0, 3, 3}},
      {{94, 14, 3, 3}, {56, 10, 3, 3}}, {{0, 14, 3, 3}, {0, 10, 3, 3}},
      {{3, 0, 91, 3}, {3, 0, 12, 3}},   {{94, 3, 3, 11}, {56, 3, 3, 3}},
      {{3, 14, 91, 3}, {3, 10, 1, 3}},  {{0, 3, 3, 11}, {0, 3, 3, 3}},
      {{3, 3, 91, 11}, {4, 4, 51, 7}}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const auto& call = surface_.calls[i + 1];
    EXPECT_EQ(call.picture, Picture::img()) << i;
    EXPECT_EQ(call.destination, expected[i].first) << i;
    EXPECT_EQ(call.source, expected[i].second) << i;
  }
  const DrawingState& state = bar_.drawingState();
  EXPECT_EQ(state.width, 97);
  EXPECT_EQ(state.innerHeight, 11);
  EXPECT_EQ(state.blockWidth, 8);
  EXPECT_EQ(state.blockHeight, 10);
  EXPECT_EQ(state.blockX, 4);
  EXPECT_EQ(state.sweepX, 4);
}

TEST_F(ProgressBarDrawing, StyleZeroGrowsBlockByBlockAndSqueezesTheLast) {
  std::map<int, std::vector<PixelRect>> drawn;
  for (int value = 1; value <= 100; ++value) {
    const auto copies = set(value);
    if (!copies.empty()) {
      drawn[value] = copies;
    }
  }
  std::map<int, std::vector<PixelRect>> expected;
  for (int x = 4; x <= 84; x += 10) {
    expected[x + 1] = {block(x)};
  }
  // The full bar redraws its squeezed last block on every later call: the
  // same pixels again, nothing new shows.
  for (int value = 95; value <= 100; ++value) {
    expected[value] = {block(94, 3)};
  }
  EXPECT_EQ(drawn, expected);
  EXPECT_TRUE(bar_.drawingState().barFull);
  for (const auto& call : surface_.calls) {
    if (!call.clear && call.picture.kind == Picture::Kind::Skin) {
      EXPECT_EQ(call.picture, Picture::skinPicture(0, 2));
      EXPECT_EQ(call.source, kWholeBlock);
    }
  }
}

TEST_F(ProgressBarDrawing, OnceABlockStandsEachCallMovesTheReachOneUnit) {
  EXPECT_EQ(set(5), std::vector<PixelRect>{block(4)});
  EXPECT_TRUE(set(50).empty());
  for (int call = 1; call <= 8; ++call) {
    EXPECT_TRUE(set(50 + call).empty()) << call;
  }
  EXPECT_EQ(set(59), std::vector<PixelRect>{block(14)});
}

TEST_F(ProgressBarDrawing, LowerValueClearsAndRedrawsFromIt) {
  EXPECT_EQ(set(50).size(), 5U);
  const int clearsBefore = surface_.clears();
  EXPECT_EQ(set(20), (std::vector<PixelRect>{block(4), block(14)}));
  EXPECT_GT(surface_.clears(), clearsBefore);
  EXPECT_EQ(skinCopies(surface_.copiesSinceClear()), (std::vector<PixelRect>{block(4), block(14)}));
  // Still below the 50 that started the resets: every change starts afresh.
  set(30);
  EXPECT_EQ(skinCopies(surface_.copiesSinceClear()),
            (std::vector<PixelRect>{block(4), block(14), block(24)}));
}

TEST_F(ProgressBarDrawing, ValueAtMinimumEmptiesTheBar) {
  set(50);
  set(0);
  EXPECT_TRUE(skinCopies(surface_.copiesSinceClear()).empty());
  EXPECT_EQ(bar_.drawingState().blockX, 4);
}

TEST_F(ProgressBarDrawing, RepeatedValueAdvancesOnlyWhenMaxIsNot100) {
  // Max 100: the threshold rises one step per call, so repeating a Value
  // stops before the reach moves.
  set(14);
  set(14);
  EXPECT_EQ(bar_.drawingState().blockTicks, 15);
  // Max 200: no step, so the same Value keeps moving the reach on.
  bar_.setMax(200);
  set(20);
  const auto ticks = bar_.drawingState().blockTicks;
  set(20);
  EXPECT_EQ(bar_.drawingState().blockTicks, ticks + 1);
}

TEST_F(ProgressBarDrawing, Max200SpreadsTheBlocksOverTwiceTheValues) {
  bar_.setMax(200);
  std::map<int, std::vector<PixelRect>> drawn;
  for (int value = 1; value <= 200; ++value) {
    const auto copies = set(value);
    if (!copies.empty() && drawn.size() < 10) {
      drawn[value] = copies;
    }
  }
  std::map<int, std::vector<PixelRect>> expected;
  for (int i = 0; i < 9; ++i) {
    expected[9 + 20 * i] = {block(4 + 10 * i)};
  }
  expected[189] = {block(94, 3)};
  EXPECT_EQ(drawn, expected);
}

TEST_F(ProgressBarDrawing, MaxEqualToMinDrawsNoBlocks) {
  bar_.setMax(50);
  bar_.setMin(50);
  set(50);
  bar_.setMin(0);
  bar_.setMax(0);
  EXPECT_TRUE(set(0).empty());
  EXPECT_TRUE(skinCopies(surface_.calls).empty());
  EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(ProgressBarDrawing, RangeBeyond16BitsDrawsNoBlocks) {
  bar_.setMax(40000);
  for (const int value : {100, 20000, 39999, 40000}) {
    EXPECT_TRUE(set(value).empty()) << value;
  }
}

TEST_F(ProgressBarDrawing, ResetBeyond16BitsWaitsForTheNextSoundReset) {
  bar_.setMax(40100);
  bar_.setMin(40000);
  EXPECT_EQ(set(40050).size(), 5U);  // reach 50 units above Min
  // A lower Value resets from the Value itself, which does not fit 16 bits:
  // the bar is cleared and nothing is drawn.
  EXPECT_TRUE(set(40020).empty());
  EXPECT_TRUE(bar_.drawingState().outOfRange);
  EXPECT_TRUE(skinCopies(surface_.copiesSinceClear()).empty());
  // The bar is empty, so the next call resets from Value - Min, which fits.
  EXPECT_EQ(set(40021), (std::vector<PixelRect>{block(4), block(14)}));
  EXPECT_FALSE(bar_.drawingState().outOfRange);
}

TEST_F(ProgressBarDrawing, BlocksDrawnBeforeAnySkinShowNothing) {
  RecordingSurface surface;
  Xp_ProgressBar bar(surface, messages_);
  bar.Resize(100, 17);
  for (int value = 1; value <= 100; ++value) {
    bar.setValue(value);
  }
  EXPECT_TRUE(skinCopies(surface.calls).empty());
}

TEST_F(ProgressBarDrawing, NewSkinShowsInTheNextBlocks) {
  set(5);
  bar_.setProgressLook(4);
  for (int value = 6; value <= 15; ++value) {
    set(value);
  }
  ASSERT_EQ(surface_.calls.back().picture, Picture::skinPicture(4, 2));
  EXPECT_EQ(surface_.calls.back().destination, block(14));
}

TEST_F(ProgressBarDrawing, TinyOrUnsizedBarsDrawSafely) {
  for (const auto& size : std::vector<std::pair<int, int>>{{0, 0}, {4, 4}, {12, 5}, {-3, 20}}) {
    bar_.Resize(size.first, size.second);
    for (int value = 1; value <= 100; value += 7) {
      bar_.setValue(value);
    }
    for (const auto& call : surface_.calls) {
      if (!call.clear) {
        EXPECT_GT(call.destination.width, 0);
        EXPECT_GT(call.destination.height, 0);
      }
    }
  }
}

class StyledDrawing : public ProgressBarDrawing {
 protected:
  StyledDrawing() { bar_.setStyle(1); }

  struct Piece {
    Picture picture;
    PixelRect destination;
    friend bool operator==(const Piece& a, const Piece& b) {
      return a.picture == b.picture && a.destination == b.destination;
    }
  };
  std::vector<Piece> step(std::int32_t value) {
    const std::size_t before = surface_.calls.size();
    bar_.setValue(value);
    std::vector<Piece> pieces;
    for (std::size_t i = before; i < surface_.calls.size(); ++i) {
      if (!surface_.calls[i].clear) {
        if (surface_.calls[i].picture != Picture::img()) {
          EXPECT_EQ(surface_.calls[i].source, kWholeBlock);
        }
        pieces.push_back({surface_.calls[i].picture, surface_.calls[i].destination});
      }
    }
    return pieces;
  }
  static Piece skin(int index, int x) { return {Picture::skinPicture(0, index), block(x, 4)}; }
  static Piece blank(int x, int width = 4) { return {Picture::blank(), block(x, width)}; }
};

TEST_F(StyledDrawing, GroupStepsFivePixelsAndErasesItsTail) {
  EXPECT_EQ(step(1), (std::vector<Piece>{skin(2, 14), skin(1, 9), skin(0, 4)}));
  EXPECT_EQ(step(2), (std::vector<Piece>{blank(4), skin(2, 19), skin(1, 14), skin(0, 9)}));
  // Values need not rise: any change moves the group.
  EXPECT_EQ(step(1), (std::vector<Piece>{blank(9), skin(2, 24), skin(1, 19), skin(0, 14)}));
}

TEST_F(StyledDrawing, GroupVanishesAtTheRightAndRestartsAtTwo) {
  for (int i = 0; i < 17; ++i) {
    step(i % 2);  // sweepX 4, 9, ... 89
  }
  ASSERT_EQ(bar_.drawingState().sweepX, 89);
  EXPECT_EQ(step(1), (std::vector<Piece>{blank(84), skin(1, 94), skin(0, 89)}));
  EXPECT_EQ(step(1), (std::vector<Piece>{blank(89), skin(0, 94)}));
  EXPECT_EQ(step(1), (std::vector<Piece>{blank(94)}));
  EXPECT_EQ(bar_.drawingState().sweepX, 2);
  EXPECT_EQ(step(1), (std::vector<Piece>{skin(2, 12), skin(1, 7), skin(0, 2)}));
}

TEST_F(StyledDrawing, ValueAtMaxClearsAndRestartsAtFour) {
  step(1);
  step(2);
  const int clears = surface_.clears();
  EXPECT_TRUE(step(100).size() == 9U) << "frame only";
  EXPECT_EQ(surface_.clears(), clears + 1);
  EXPECT_EQ(step(3), (std::vector<Piece>{skin(2, 14), skin(1, 9), skin(0, 4)}));
}

TEST_F(StyledDrawing, LastRemainsAreErasedUpToTheFrame) {
  bar_.Resize(103, 17);
  for (int i = 0; i < 19; ++i) {
    step(i % 2);
  }
  ASSERT_EQ(bar_.drawingState().sweepX, 99);
  EXPECT_EQ(step(1), (std::vector<Piece>{blank(94), blank(99, 1)}));
  EXPECT_EQ(bar_.drawingState().sweepX, 2);
}

TEST_F(StyledDrawing, StyleChangeKeepsTheOtherStylesState) {
  bar_.setStyle(0);
  set(50);
  ASSERT_EQ(bar_.drawingState().blockX, 54);
  bar_.setStyle(1);
  step(51);
  step(52);
  const int clears = surface_.clears();
  bar_.setStyle(0);
  set(53);
  EXPECT_EQ(surface_.clears(), clears) << "style 0 goes on from its own state";
  EXPECT_EQ(bar_.drawingState().blockX, 54);
  EXPECT_EQ(bar_.drawingState().sweepX, 14);
}

// What the bar shows, pixel by pixel.
class ProgressBarPixels : public ::testing::Test {
 protected:
  ProgressBarPixels() {
    bar_.setProgressLook(0);
    bar_.Resize(100, 17);
  }
  PixelSurface surface_{100, 17};
  RecordingMessageBox messages_;
  Xp_ProgressBar bar_{surface_, messages_};
};

TEST_F(ProgressBarPixels, FrameCornersEdgesAndInteriorComeFromTheFramePicture) {
  const PixelImage& img = artworkPicture(Picture::img());
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(surface_.pixel(x, y), img.at(x, y));
      EXPECT_EQ(surface_.pixel(97 + x, 14 + y), img.at(56 + x, 10 + y));
    }
    EXPECT_EQ(surface_.pixel(50, y), img.at(5, y));
    EXPECT_EQ(surface_.pixel(50, 14 + y), img.at(3, 10 + y));
    EXPECT_EQ(surface_.pixel(y, 8), img.at(y, 5));
    EXPECT_EQ(surface_.pixel(97 + y, 8), img.at(56 + y, 5));
  }
  EXPECT_EQ(surface_.pixel(50, 8), img.at(29, 7));
}

TEST_F(ProgressBarPixels, BlocksAndTheSqueezedLastBlockShowTheSkin) {
  const PixelImage before = surface_.image();
  for (int value = 1; value <= 4; ++value) {
    bar_.setValue(value);
  }
  EXPECT_EQ(surface_.image().pixels, before.pixels) << "nothing shows before Value 5";
  for (int value = 5; value <= 95; ++value) {
    bar_.setValue(value);
  }
  const PixelImage& block = artworkPicture(Picture::skinPicture(0, 2));
  for (int x = 0; x < 8; ++x) {
    EXPECT_EQ(surface_.pixel(84 + x, 3), block.at(x, 0));
    EXPECT_EQ(surface_.pixel(84 + x, 13), block.at(x, 9));
  }
  EXPECT_EQ(surface_.pixel(92, 8), surface_.pixel(12, 8)) << "gaps keep the well";
  // Squeezed into 3 pixels: it samples the block across its whole width.
  EXPECT_EQ(surface_.pixel(94, 3), block.at(2, 0));
  EXPECT_EQ(surface_.pixel(95, 3), block.at(4, 0));
  EXPECT_EQ(surface_.pixel(96, 3), block.at(7, 0));
  const PixelImage full = surface_.image();
  for (int value = 96; value <= 100; ++value) {
    bar_.setValue(value);
  }
  EXPECT_EQ(surface_.image().pixels, full.pixels);
}

}  // namespace
}  // namespace vorlane::progressbar
