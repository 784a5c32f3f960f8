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
  const std::string path = (std::filesystem::path(VORLANE_SOURCE_DIR) / picture).string();
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
  int changed = 0;
  for (int i = 0; sameSize && i < width * height; ++i) {
    const unsigned char* pixel = expected.get() + 3 * i;
    changed += drawn.at(i % width, i / width) != rgb(pixel[0], pixel[1], pixel[2]) ? 1 : 0;
  }
  if (sameSize && changed == 0) {
    return ::testing::AssertionSuccess();
  }
  std::filesystem::create_directories("golden-diff");
  writeImageFile("golden-diff/" + std::filesystem::path(path).stem().string() + ".drawn.png",
                 drawn);
  return ::testing::AssertionFailure()
         << picture << (expected ? "" : " missing (VORLANE_UPDATE_GOLDEN=1 writes it)")
         << ": drawn " << drawn.width() << "x" << drawn.height() << ", expected " << width << "x"
         << height << ", " << changed << " pixels differ; see golden-diff/";
}

}  // namespace vorlane::testing
