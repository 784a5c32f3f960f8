#include "tests/golden/golden.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "host/canvas/image_file.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

namespace vorlane::testing {

namespace {

struct StbFree {
  void operator()(unsigned char* data) const { stbi_image_free(data); }
};

bool updating() {
  const char* flag = std::getenv("VORLANE_UPDATE_GOLDEN");
  return flag != nullptr && std::string(flag) == "1";
}

std::optional<Pixels24> readPng(const std::string& path) {
  int width = 0;
  int height = 0;
  int channels = 0;
  const std::unique_ptr<unsigned char, StbFree> data(
      stbi_load(path.c_str(), &width, &height, &channels, 3));
  if (!data) {
    return std::nullopt;
  }
  Pixels24 pixels(width, height);
  const unsigned char* rgb = data.get();
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x, rgb += 3) {
      pixels.set(x, y, rgb[0] | (rgb[1] << 8) | (rgb[2] << 16));
    }
  }
  return pixels;
}

// Changed pixels red, the others a faded grey of themselves.
Pixels24 differenceImage(const Pixels24& expected, const Pixels24& drawn) {
  Pixels24 diff(drawn.width(), drawn.height());
  for (std::int32_t y = 0; y < drawn.height(); ++y) {
    for (std::int32_t x = 0; x < drawn.width(); ++x) {
      const Color pixel = drawn.at(x, y);
      if (pixel != expected.at(x, y)) {
        diff.set(x, y, 0x0000FF);
      } else {
        const int grey = ((pixel & 0xFF) + ((pixel >> 8) & 0xFF) + ((pixel >> 16) & 0xFF)) / 3;
        const int faded = 192 + grey / 4;
        diff.set(x, y, faded | (faded << 8) | (faded << 16));
      }
    }
  }
  return diff;
}

void writeBeside(const std::string& picture, const char* suffix, const Pixels24& pixels) {
  const std::filesystem::path name = std::filesystem::path(picture).filename().replace_extension();
  std::filesystem::create_directories("golden-diff");
  writeImageFile("golden-diff/" + name.string() + suffix, pixels);
}

}  // namespace

::testing::AssertionResult matchesGolden(const Pixels24& drawn, const std::string& picture) {
  const std::string path = std::string(VORLANE_SOURCE_DIR) + "/" + picture;
  if (updating()) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    if (!writeImageFile(path, drawn)) {
      return ::testing::AssertionFailure() << "cannot write " << path;
    }
    return ::testing::AssertionSuccess();
  }
  const auto expected = readPng(path);
  if (!expected) {
    writeBeside(picture, ".drawn.png", drawn);
    return ::testing::AssertionFailure()
           << "no picture " << path << " (VORLANE_UPDATE_GOLDEN=1 writes it)";
  }
  if (expected->width() != drawn.width() || expected->height() != drawn.height()) {
    writeBeside(picture, ".drawn.png", drawn);
    return ::testing::AssertionFailure()
           << picture << ": drawn " << drawn.width() << "x" << drawn.height() << ", expected "
           << expected->width() << "x" << expected->height();
  }
  int changed = 0;
  int firstX = -1;
  int firstY = -1;
  for (std::int32_t y = 0; y < drawn.height(); ++y) {
    for (std::int32_t x = 0; x < drawn.width(); ++x) {
      if (drawn.at(x, y) != expected->at(x, y)) {
        if (changed++ == 0) {
          firstX = x;
          firstY = y;
        }
      }
    }
  }
  if (changed == 0) {
    return ::testing::AssertionSuccess();
  }
  writeBeside(picture, ".drawn.png", drawn);
  writeBeside(picture, ".diff.png", differenceImage(*expected, drawn));
  return ::testing::AssertionFailure()
         << picture << ": " << changed << " pixels differ, the first at (" << firstX << ", "
         << firstY << "); see golden-diff/";
}

}  // namespace vorlane::testing
