#include "host/canvas/image_file.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#if VORLANE_HAVE_STB_PNG
#include <stb_image_write.h>
#endif

namespace vorlane {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool writeBmp(const std::string& path, const Pixels24& pixels) {
  // The file header, then a BITMAPINFOHEADER: one plane of 24 bits,
  // uncompressed, 96 dots per inch.
  const auto imageBytes = static_cast<std::uint32_t>(pixels.size());
  const auto width = static_cast<std::uint32_t>(pixels.width());
  const auto height = static_cast<std::uint32_t>(pixels.height());
  const std::uint32_t planesAndBits = 1 | (24 << 16);
  const std::uint32_t fields[] = {54 + imageBytes, 0,    54,   40, width, height, planesAndBits, 0,
                                  imageBytes,      3780, 3780, 0,  0};
  std::vector<std::uint8_t> header{'B', 'M'};
  for (const std::uint32_t field : fields) {
    for (int shift = 0; shift < 32; shift += 8) {
      header.push_back(static_cast<std::uint8_t>(field >> shift));
    }
  }
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    return false;
  }
  return std::fwrite(header.data(), 1, header.size(), file.get()) == header.size() &&
         std::fwrite(pixels.data(), 1, pixels.size(), file.get()) == pixels.size();
}

}  // namespace

bool pngAvailable() { return VORLANE_HAVE_STB_PNG != 0; }

bool writeImageFile(const std::string& path, const Pixels24& pixels) {
  if (!endsWith(path, ".png")) {
    return writeBmp(path, pixels);
  }
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
