#include "tests/golden/golden.h"

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "host/canvas/image_file.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

namespace vorlane::testing {

::testing::AssertionResult matchesGolden(const Pixels24& drawn, const std::string& picture) {
  const std::string path = std::string(VORLANE_SOURCE_DIR) + "/" + picture;
  const char* update = std::getenv("VORLANE_UPDATE_GOLDEN");
  if (update != nullptr && std::string(update) == "1") {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    return writeImageFile(path, drawn) ? ::testing::AssertionSuccess()
                                       : ::testing::AssertionFailure() << "cannot write " << path;
  }
  int width = 0, height = 0, channels = 0;
  const std::unique_ptr<unsigned char, void (*)(void*)> expected(
      stbi_load(path.c_str(), &width, &height, &channels, 3), stbi_image_free);
  const bool sameSize = expected && width == drawn.width() && height == drawn.height();
  // The difference image: changed pixels red, the others a faded grey of themselves.
  Pixels24 difference(drawn.width(), drawn.height());
  int changed = 0;
  for (int i = 0; sameSize && i < width * height; ++i) {
    const unsigned char* pixel = expected.get() + 3 * i;
    const Color at = drawn.at(i % width, i / width);
    const int faded = 192 + ((at & 0xFF) + ((at >> 8) & 0xFF) + ((at >> 16) & 0xFF)) / 12;
    const bool differs = at != rgb(pixel[0], pixel[1], pixel[2]);
    changed += differs ? 1 : 0;
    difference.set(i % width, i / width, differs ? rgb(255, 0, 0) : rgb(faded, faded, faded));
  }
  if (sameSize && changed == 0) {
    return ::testing::AssertionSuccess();
  }
  const std::string name =
      "golden-diff/" + std::filesystem::path(picture).filename().replace_extension().string();
  std::filesystem::create_directories("golden-diff");
  writeImageFile(name + ".drawn.png", drawn);
  if (sameSize) {
    writeImageFile(name + ".diff.png", difference);
  }
  return ::testing::AssertionFailure()
         << picture << (expected ? "" : " missing (VORLANE_UPDATE_GOLDEN=1 writes it)")
         << ": drawn " << drawn.width() << "x" << drawn.height() << ", expected " << width << "x"
         << height << ", " << changed << " pixels differ; see golden-diff/";
}

}  // namespace vorlane::testing
