#include "controls/progressbar/artwork.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "host/canvas/pixel_canvas.h"

namespace vorlane::progressbar {
namespace {

int brightness(Color colour) { return redOf(colour) + greenOf(colour) + blueOf(colour); }

TEST(ProgressBarArtwork, PicturesOutsideTheArtworkAreNull) {
  EXPECT_NE(skinPicture(7, 2), nullptr);
  EXPECT_EQ(skinPicture(8, 0), nullptr);
  EXPECT_EQ(skinPicture(0, 3), nullptr);
  EXPECT_EQ(skinPicture(-1, 0), nullptr);
}

TEST(ProgressBarArtwork, SkinsDifferAndFadeTowardsTheTrailingSegment) {
  std::set<Color> blockCentres;
  for (int skin = 0; skin < kSkinCount; ++skin) {
    const Pixels24& lead = skinPicture(skin, 2)->pixels();
    const Pixels24& middle = skinPicture(skin, 1)->pixels();
    const Pixels24& trail = skinPicture(skin, 0)->pixels();
    blockCentres.insert(lead.at(4, 5));
    EXPECT_LT(brightness(lead.at(4, 5)), brightness(middle.at(4, 5))) << kSkinNames[skin];
    EXPECT_LT(brightness(middle.at(4, 5)), brightness(trail.at(4, 5))) << kSkinNames[skin];
  }
  EXPECT_EQ(blockCentres.size(), static_cast<std::size_t>(kSkinCount));
  // master is green with a lighter band across its middle.
  const Pixels24& master = skinPicture(0, 2)->pixels();
  EXPECT_GT(greenOf(master.at(4, 7)), redOf(master.at(4, 7)) + 60);
  EXPECT_GT(brightness(master.at(4, 3)), brightness(master.at(4, 0)) + 100);
  EXPECT_GT(brightness(master.at(4, 3)), brightness(master.at(4, 9)) + 100);
}

// The canvas's stretched copy picks the pixels GDI's StretchBlt picks in
// COLORONCOLOR mode (read back under Wine): a picture whose pixel n is colour
// n shows which source pixel each destination pixel took.
TEST(CanvasStretch, PicksThePixelsGdiPicks) {
  const auto picked = [](int source, int destination, bool columns) {
    Pixels24 numbered(columns ? source : 1, columns ? 1 : source);
    for (int n = 0; n < source; ++n) {
      numbered.set(columns ? n : 0, columns ? 0 : n, static_cast<Color>(n + 1));
    }
    const PicturePtr picture = Picture::bitmap(numbered);
    PixelCanvas canvas(columns ? destination : 1, columns ? 1 : destination);
    canvas.stretchPicture(*picture, {0, 0, numbered.width(), numbered.height()},
                          {0, 0, canvas.width(), canvas.height()});
    std::vector<int> result;
    for (int d = 0; d < destination; ++d) {
      result.push_back(static_cast<int>(canvas.at(columns ? d : 0, columns ? 0 : d)) - 1);
    }
    return result;
  };
  using V = std::vector<int>;
  for (const bool columns : {true, false}) {
    EXPECT_EQ(picked(10, 11, columns), (V{0, 1, 2, 3, 4, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(picked(3, 11, columns), (V{0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2}));
    EXPECT_EQ(picked(8, 8, columns), (V{0, 1, 2, 3, 4, 5, 6, 7}));
  }
  EXPECT_EQ(picked(8, 4, true), (V{1, 3, 5, 7}));
  EXPECT_EQ(picked(8, 4, false), (V{0, 2, 4, 6}));
  EXPECT_EQ(picked(8, 3, true), (V{2, 4, 7}));
  EXPECT_EQ(picked(8, 3, false), (V{0, 3, 5}));
  EXPECT_EQ(picked(16, 7, true), (V{1, 4, 6, 8, 10, 13, 15}));
  EXPECT_EQ(picked(8, 1, true), (V{6}));
  EXPECT_EQ(picked(8, 1, false), (V{0}));
}

TEST(CanvasStretch, CopiesAreClippedToTheCanvasAndThePicture) {
  PixelCanvas canvas(10, 10, kBackColour);
  canvas.stretchPicture(*blankPicture(), {0, 0, 8, 10}, Rect::sized(-4, 6, 8, 10));
  EXPECT_EQ(canvas.at(3, 9), rgb(255, 255, 255));
  EXPECT_EQ(canvas.at(4, 9), kBackColour);
  EXPECT_EQ(canvas.at(3, 5), kBackColour);
  // A source beyond the picture leaves the destination as it was.
  canvas.stretchPicture(*skinPicture(0, 2), Rect::sized(8, 0, 8, 10), Rect::sized(0, 0, 8, 10));
  EXPECT_EQ(canvas.at(0, 0), kBackColour);
}

}  // namespace
}  // namespace vorlane::progressbar
