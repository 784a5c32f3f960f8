#include "host/canvas/image_file.h"

#include <cstdint>
#include <vector>

#if VORLANE_HAVE_STB_PNG
#include <stb_image_write.h>
#endif

namespace vorlane {

bool writeImageFile([[maybe_unused]] const std::string& path,
                    [[maybe_unused]] const Pixels24& pixels) {
#if VORLANE_HAVE_STB_PNG
  // stb wants top-down rows of red, green, blue.
  std::vector<std::uint8_t> rows;
  rows.reserve(static_cast<std::size_t>(pixels.width()) * pixels.height() * 3);
  for (std::int32_t y = 0; y < pixels.height(); ++y) {
    for (std::int32_t x = 0; x < pixels.width(); ++x) {
      const Color color = pixels.at(x, y);
      rows.push_back(static_cast<std::uint8_t>(redOf(color)));
      rows.push_back(static_cast<std::uint8_t>(greenOf(color)));
      rows.push_back(static_cast<std::uint8_t>(blueOf(color)));
    }
  }
  // A row stride of 0: the rows are packed.
  return stbi_write_png(path.c_str(), pixels.width(), pixels.height(), 3, rows.data(), 0) != 0;
#else
  return false;
#endif
}

}  // namespace vorlane
