// Renders the progress bar's artwork and sample bars of every skin, in both
// styles, into image files for the README gallery:
//   progressbar_gallery <output folder>
// writes gallery, frame and one file per skin (PNG when the build can write
// PNG, BMP otherwise). The Windows build draws the bars with GDI.

#include <cstdio>
#include <string>

#include "controls/progressbar/artwork.h"
#include "controls/progressbar/gallery/render_bar.h"
#include "controls/progressbar/xp_progressbar.h"
#include "host/canvas/image_file.h"

namespace {

using vorlane::Pixels24;
namespace pb = vorlane::progressbar;

constexpr int kBarWidth = 150;
constexpr int kBarHeight = 17;
constexpr int kMargin = 8;
constexpr int kZoom = 4;

void paste(Pixels24& sheet, const Pixels24& image, int left, int top, int zoom) {
  for (int y = 0; y < image.height() * zoom; ++y) {
    for (int x = 0; x < image.width() * zoom; ++x) {
      const int sheetX = left + x;
      const int sheetY = top + y;
      if (sheetX < sheet.width() && sheetY < sheet.height()) {
        sheet.set(sheetX, sheetY, image.at(x / zoom, y / zoom));
      }
    }
  }
}

class PrintingMessageBox final : public vorlane::ModalMessageBox {
 public:
  void showStop(const std::string& text, const std::string& title) override {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
  }
};

// A bar of the skin and style after its Value has been set to 1, 2, ... up to
// `lastValue`, the way a running task drives it.
Pixels24 renderBar(int skin, int style, int lastValue) {
  const auto surface = pb::gallery::barSurface(kBarWidth, kBarHeight);
  PrintingMessageBox messages;
  pb::Xp_ProgressBar bar(*surface, messages);
  bar.setProgressLook(skin);
  bar.setStyle(style);
  bar.Resize(kBarWidth, kBarHeight);
  for (int value = 1; value <= lastValue; ++value) {
    bar.setValue(value);
  }
  return surface->readPixels(0, 0, kBarWidth, kBarHeight);
}

bool save(const std::string& folder, const std::string& name, const Pixels24& image) {
  const std::string path = folder + "/" + name + (vorlane::pngAvailable() ? ".png" : ".bmp");
  const bool saved = vorlane::writeImageFile(path, image);
  if (!saved) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
  }
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: progressbar_gallery <output folder>\n");
    return 2;
  }
  const std::string folder = argv[1];

  // One row per skin: its three pictures enlarged, three style-0 bars at 30,
  // 65 and 100, and the moving group after 6 and 20 steps.
  constexpr int kBars[][2] = {{0, 30}, {0, 65}, {0, 100}, {1, 6}, {1, 20}};
  const int pictureColumn = kMargin + pb::kPicturesPerSkin * (pb::kBlockPictureWidth * kZoom + 4);
  const int rowHeight = pb::kBlockPictureHeight * kZoom + kMargin;
  const int sheetWidth = pictureColumn + 5 * (kBarWidth + kMargin);
  const int sheetHeight = kMargin + pb::kSkinCount * rowHeight + pb::kFrameHeight * kZoom + kMargin;
  Pixels24 sheet(sheetWidth, sheetHeight, pb::kBackColour);

  bool ok = true;
  for (int skin = 0; skin < pb::kSkinCount; ++skin) {
    const int top = kMargin + skin * rowHeight;
    Pixels24 skinSheet(pb::kPicturesPerSkin * (pb::kBlockPictureWidth * kZoom + 4),
                       pb::kBlockPictureHeight * kZoom, pb::kBackColour);
    for (int index = 0; index < pb::kPicturesPerSkin; ++index) {
      const Pixels24& picture = pb::skinPicture(skin, index)->pixels();
      const int left = index * (pb::kBlockPictureWidth * kZoom + 4);
      paste(sheet, picture, kMargin + left, top, kZoom);
      paste(skinSheet, picture, left, 0, kZoom);
    }
    int left = pictureColumn;
    const int barTop = top + (pb::kBlockPictureHeight * kZoom - kBarHeight) / 2;
    for (const auto& [style, lastValue] : kBars) {
      paste(sheet, renderBar(skin, style, lastValue), left, barTop, 1);
      left += kBarWidth + kMargin;
    }
    ok = save(folder, "skin_" + std::string(pb::kSkinNames[static_cast<std::size_t>(skin)]),
              skinSheet) &&
         ok;
  }
  const Pixels24& frame = pb::framePicture()->pixels();
  paste(sheet, frame, kMargin, kMargin + pb::kSkinCount * rowHeight, kZoom);
  Pixels24 frameSheet(frame.width() * kZoom, frame.height() * kZoom, pb::kBackColour);
  paste(frameSheet, frame, 0, 0, kZoom);
  ok = save(folder, "frame", frameSheet) && ok;
  ok = save(folder, "gallery", sheet) && ok;
  return ok ? 0 : 1;
}
