#include "host/win32/tests/screenshot.h"

#include <cstdio>
#include <vector>

#include "host/win32/handles.h"

namespace vorlane::win32::testing {

bool saveWindowBitmap(HWND window, const std::string& path) {
  RECT box = {};
  if (!::GetWindowRect(window, &box)) {
    return false;
  }
  const int width = box.right - box.left;
  const int height = box.bottom - box.top;
  HDC windowDc = ::GetWindowDC(window);
  if (windowDc == nullptr) {
    return false;
  }
  UniqueMemoryDc memory(::CreateCompatibleDC(windowDc));
  UniqueBitmap bitmap(::CreateCompatibleBitmap(windowDc, width, height));
  bool copied = false;
  if (memory && bitmap) {
    SelectGuard select(memory.get(), bitmap.get());
    copied = ::BitBlt(memory.get(), 0, 0, width, height, windowDc, 0, 0, SRCCOPY) != FALSE;
  }
  ::ReleaseDC(window, windowDc);
  if (!copied) {
    return false;
  }
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;  // bottom-up, as BMP files store rows
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) & ~3;
  std::vector<unsigned char> pixels(static_cast<std::size_t>(stride) * height);
  if (::GetDIBits(memory.get(), bitmap.get(), 0, height, pixels.data(),
                  reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS) != height) {
    return false;
  }
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) {
    return false;
  }
  const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                       std::fwrite(&header, sizeof header, 1, out) == 1 &&
                       std::fwrite(pixels.data(), pixels.size(), 1, out) == 1;
  return std::fclose(out) == 0 && written;
}

}  // namespace vorlane::win32::testing
