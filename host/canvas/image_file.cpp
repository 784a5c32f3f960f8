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

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
}

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool writeBmp(const std::string& path, const Pixels24& pixels) {
  std::vector<std::uint8_t> header;
  const auto imageBytes = static_cast<std::uint32_t>(pixels.size());
  header.push_back('B');
  header.push_back('M');
  putLittleEndian(header, 54 + imageBytes, 4);
  putLittleEndian(header, 0, 4);
  putLittleEndian(header, 54, 4);
  putLittleEndian(header, 40, 4);
  putLittleEndian(header, static_cast<std::uint32_t>(pixels.width()), 4);
  putLittleEndian(header, static_cast<std::uint32_t>(pixels.height()), 4);
  putLittleEndian(header, 1, 2);
  putLittleEndian(header, 24, 2);
  putLittleEndian(header, 0, 4);
  putLittleEndian(header, imageBytes, 4);
  putLittleEndian(header, 3780, 4);
  putLittleEndian(header, 3780, 4);
  putLittleEndian(header, 0, 4);
  putLittleEndian(header, 0, 4);
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
  return stbi_write_png(path.c_str(), pixels.width(), pixels.height(), 3, rows.data(),
                        pixels.width() * 3) != 0;
#else
  return false;
#endif
}

}  // namespace vorlane
