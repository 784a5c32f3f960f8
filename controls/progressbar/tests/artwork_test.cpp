#include "controls/progressbar/artwork.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "controls/progressbar/pixel_surface.h"

namespace vorlane::progressbar {
namespace {

int redOf(Rgb colour) { return static_cast<int>((colour >> 16) & 0xFF); }
int greenOf(Rgb colour) { return static_cast<int>((colour >> 8) & 0xFF); }
int brightness(Rgb colour) {
  return redOf(colour) + greenOf(colour) + static_cast<int>(colour & 0xFF);
}

TEST(ProgressBarArtwork, PicturesHaveTheirSizes) {
  const PixelImage& frame = artworkPicture(Picture::img());
  EXPECT_EQ(frame.width, 59);
  EXPECT_EQ(frame.height, 13);
  const PixelImage& blank = artworkPicture(Picture::blank());
  EXPECT_EQ(blank.width, 8);
  EXPECT_EQ(blank.height, 10);
  for (const Rgb pixel : blank.pixels) {
    EXPECT_EQ(pixel, rgb(255, 255, 255));
  }
  for (int skin = 0; skin < kSkinCount; ++skin) {
    for (int index = 0; index < kPicturesPerSkin; ++index) {
      const PixelImage& picture = artworkPicture(Picture::skinPicture(skin, index));
      EXPECT_EQ(picture.width, 8);
      EXPECT_EQ(picture.height, 10);
      EXPECT_EQ(picture.pixels.size(), 80U);
    }
  }
  EXPECT_EQ(artworkPicture(Picture::skinPicture(8, 0)).width, 0);
  EXPECT_EQ(pictureBounds(Picture::skinPicture(0, 3)), (PixelRect{}));
}

// The resize handler stretches the edges along their length and the middle
// both ways; pixels that vary there would smear.
TEST(ProgressBarArtwork, FrameIsUniformWhereItIsStretched) {
  const PixelImage& frame = artworkPicture(Picture::img());
  for (int y = 0; y < 3; ++y) {
    for (int x = 3; x < 15; ++x) {
      EXPECT_EQ(frame.at(x, y), frame.at(3, y));
      EXPECT_EQ(frame.at(x, 10 + y), frame.at(3, 10 + y));
    }
  }
  for (int x = 0; x < 3; ++x) {
    for (int y = 3; y < 6; ++y) {
      EXPECT_EQ(frame.at(x, y), frame.at(x, 3));
      EXPECT_EQ(frame.at(56 + x, y), frame.at(56 + x, 3));
    }
  }
  for (int y = 4; y < 11; ++y) {
    for (int x = 4; x < 55; ++x) {
      EXPECT_EQ(frame.at(x, y), rgb(255, 255, 255));
    }
  }
}

TEST(ProgressBarArtwork, SkinsDifferAndFadeTowardsTheTrailingSegment) {
  std::set<Rgb> blockCentres;
  for (int skin = 0; skin < kSkinCount; ++skin) {
    const PixelImage& lead = artworkPicture(Picture::skinPicture(skin, 2));
    const PixelImage& middle = artworkPicture(Picture::skinPicture(skin, 1));
    const PixelImage& trail = artworkPicture(Picture::skinPicture(skin, 0));
    blockCentres.insert(lead.at(4, 5));
    EXPECT_LT(brightness(lead.at(4, 5)), brightness(middle.at(4, 5))) << kSkinNames[skin];
    EXPECT_LT(brightness(middle.at(4, 5)), brightness(trail.at(4, 5))) << kSkinNames[skin];
  }
  EXPECT_EQ(blockCentres.size(), static_cast<std::size_t>(kSkinCount));
  // master is green with a lighter band across its middle.
  const PixelImage& master = artworkPicture(Picture::skinPicture(0, 2));
  EXPECT_GT(greenOf(master.at(4, 7)), redOf(master.at(4, 7)) + 60);
  EXPECT_GT(brightness(master.at(4, 3)), brightness(master.at(4, 0)) + 100);
  EXPECT_GT(brightness(master.at(4, 3)), brightness(master.at(4, 9)) + 100);
}

// Mappings read back from GDI's StretchBlt under Wine.
TEST(ProgressBarPixelSurface, StretchPicksThePixelsGdiPicks) {
  const auto row = [](int source, int destination, StretchAxis axis) {
    std::vector<int> picked;
    for (int offset = 0; offset < destination; ++offset) {
      picked.push_back(stretchSourceOffset(offset, source, destination, axis));
    }
    return picked;
  };
  using V = std::vector<int>;
  for (const auto axis : {StretchAxis::Horizontal, StretchAxis::Vertical}) {
    EXPECT_EQ(row(10, 11, axis), (V{0, 1, 2, 3, 4, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(row(3, 11, axis), (V{0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2}));
    EXPECT_EQ(row(8, 8, axis), (V{0, 1, 2, 3, 4, 5, 6, 7}));
  }
  EXPECT_EQ(row(8, 4, StretchAxis::Horizontal), (V{1, 3, 5, 7}));
  EXPECT_EQ(row(8, 4, StretchAxis::Vertical), (V{0, 2, 4, 6}));
  EXPECT_EQ(row(8, 3, StretchAxis::Horizontal), (V{2, 4, 7}));
  EXPECT_EQ(row(8, 3, StretchAxis::Vertical), (V{0, 3, 5}));
  EXPECT_EQ(row(16, 7, StretchAxis::Horizontal), (V{1, 4, 6, 8, 10, 13, 15}));
  EXPECT_EQ(row(8, 1, StretchAxis::Horizontal), (V{6}));
  EXPECT_EQ(row(8, 1, StretchAxis::Vertical), (V{0}));
}

TEST(ProgressBarPixelSurface, CopiesAreClippedToTheSurface) {
  PixelSurface surface(10, 10);
  surface.stretchCopy(Picture::blank(), {0, 0, 8, 10}, {-4, 6, 8, 10});
  EXPECT_EQ(surface.pixel(3, 9), rgb(255, 255, 255));
  EXPECT_EQ(surface.pixel(4, 9), kBackColour);
  EXPECT_EQ(surface.pixel(3, 5), kBackColour);
  // A source beyond the picture leaves the destination as it was.
  surface.stretchCopy(Picture::skinPicture(0, 2), {8, 0, 8, 10}, {0, 0, 8, 10});
  EXPECT_EQ(surface.pixel(0, 0), kBackColour);
  surface.clear();
  EXPECT_EQ(surface.pixel(3, 9), kBackColour);
}

}  // namespace
}  // namespace vorlane::progressbar
