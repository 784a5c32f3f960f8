#include "controls/progressbar/image_files.h"

#include <cstdint>
#include <fstream>
#include <vector>

#if __has_include(<stb/stb_image_write.h>)
#define VORLANE_HAVE_STB_WRITE 1
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>
#else
#define VORLANE_HAVE_STB_WRITE 0
#endif

namespace vorlane::progressbar {

namespace {

void putLittleEndian(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<unsigned char>((value >> (8 * i)) & 0xFF));
  }
}

}  // namespace

bool writeBmp(const std::string& path, const PixelImage& image) {
  // Rows are stored bottom-up, blue-green-red, padded to four bytes.
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3U;
  const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(image.height);
  std::vector<unsigned char> out;
  out.reserve(54 + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  putLittleEndian(out, 54 + pixelBytes, 4);
  putLittleEndian(out, 0, 4);
  putLittleEndian(out, 54, 4);
  putLittleEndian(out, 40, 4);
  putLittleEndian(out, static_cast<std::uint32_t>(image.width), 4);
  putLittleEndian(out, static_cast<std::uint32_t>(image.height), 4);
  putLittleEndian(out, 1, 2);
  putLittleEndian(out, 24, 2);
  putLittleEndian(out, 0, 4);
  putLittleEndian(out, pixelBytes, 4);
  putLittleEndian(out, 2835, 4);  // 72 dots per inch
  putLittleEndian(out, 2835, 4);
  putLittleEndian(out, 0, 4);
  putLittleEndian(out, 0, 4);
  for (int y = image.height - 1; y >= 0; --y) {
    const std::size_t rowStart = out.size();
    for (int x = 0; x < image.width; ++x) {
      putLittleEndian(out, image.at(x, y), 3);
    }
    out.resize(rowStart + rowBytes, 0);
  }
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  return static_cast<bool>(file);
}

bool pngAvailable() { return VORLANE_HAVE_STB_WRITE != 0; }

bool writePng(const std::string& path, const PixelImage& image) {
#if VORLANE_HAVE_STB_WRITE
  std::vector<unsigned char> rgbBytes;
  rgbBytes.reserve(image.pixels.size() * 3);
  for (const Rgb pixel : image.pixels) {
    rgbBytes.push_back(static_cast<unsigned char>((pixel >> 16) & 0xFF));
    rgbBytes.push_back(static_cast<unsigned char>((pixel >> 8) & 0xFF));
    rgbBytes.push_back(static_cast<unsigned char>(pixel & 0xFF));
  }
  return stbi_write_png(path.c_str(), image.width, image.height, 3, rgbBytes.data(),
                        image.width * 3) != 0;
#else
  (void)path;
  (void)image;
  return false;
#endif
}

}  // namespace vorlane::progressbar
