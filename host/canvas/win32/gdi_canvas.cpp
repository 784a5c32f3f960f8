#include "host/canvas/win32/gdi_canvas.h"

#include <algorithm>
#include <string>

#include "host/canvas/win32/gdi_picture.h"
#include "host/win32/dpi.h"

namespace vorlane::win32 {

namespace {

RECT toRect(const Rect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

UniqueFont createFont(const Font& font) {
  // Negative: the character height, without internal leading, as points mean.
  return UniqueFont(::CreateFontA(-pointsToPixels(font.size, Dpi::screen().y), 0, 0, 0,
                                  font.bold ? FW_BOLD : FW_NORMAL, font.italic ? TRUE : FALSE,
                                  font.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, font.face.c_str()));
}

GdiCanvas::GdiCanvas(HDC dc, std::int32_t width, std::int32_t height)
    : dc_(dc), width_(width), height_(height) {}

void GdiCanvas::fillRect(const Rect& rect, Color color) {
  const RECT r = toRect(rect);
  ::FillRect(dc_, &r, adoptGdi(::CreateSolidBrush(color)).get());
}

void GdiCanvas::frameRect(const Rect& rect, Color color) {
  const RECT r = toRect(rect);
  ::FrameRect(dc_, &r, adoptGdi(::CreateSolidBrush(color)).get());
}

void GdiCanvas::line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                     Color color) {
  const UniquePen pen = adoptGdi(::CreatePen(PS_SOLID, 1, color));
  const SelectGuard select(dc_, pen.get());
  ::MoveToEx(dc_, x1, y1, nullptr);
  ::LineTo(dc_, x2, y2);
}

void GdiCanvas::setPixel(std::int32_t x, std::int32_t y, Color color) {
  ::SetPixelV(dc_, x, y, color);
}

void GdiCanvas::ellipse(const Rect& rect, Color pen, Color fill) {
  const UniquePen outline = adoptGdi(::CreatePen(PS_SOLID, 2, pen));
  const UniqueBrush inside = adoptGdi(::CreateSolidBrush(fill));
  const SelectGuard selectPen(dc_, outline.get());
  const SelectGuard selectBrush(dc_, inside.get());
  ::Ellipse(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

HFONT GdiCanvas::fontFor(const Font& font) {
  if (!font_ || !(fontMade_ == font)) {
    font_ = createFont(font);
    fontMade_ = font;
  }
  return font_.get();
}

void GdiCanvas::drawText(std::string_view text, const Rect& rect, unsigned flags, Color color,
                         const Font& font) {
  const SelectGuard select(dc_, fontFor(font));
  const COLORREF previousColor = ::SetTextColor(dc_, color);
  const int previousMode = ::SetBkMode(dc_, TRANSPARENT);
  RECT r = toRect(rect);
  const std::string copy(text);
  ::DrawTextA(dc_, copy.c_str(), static_cast<int>(copy.size()), &r, flags);
  ::SetBkMode(dc_, previousMode);
  ::SetTextColor(dc_, previousColor);
}

void GdiCanvas::focusRect(const Rect& rect, Color textColor) {
  ::SetTextColor(dc_, textColor);
  const RECT r = toRect(rect);
  ::DrawFocusRect(dc_, &r);
}

Pixels24 GdiCanvas::readPixels(std::int32_t x, std::int32_t y, std::int32_t width,
                               std::int32_t height) const {
  Pixels24 pixels(width, height);
  if (width <= 0 || height <= 0) {
    return pixels;
  }
  const UniqueMemoryDc memory = UniqueMemoryDc(::CreateCompatibleDC(dc_));
  const UniqueBitmap bitmap = adoptGdi(::CreateCompatibleBitmap(dc_, width, height));
  if (!memory || !bitmap) {
    return pixels;
  }
  {
    const SelectGuard select(memory.get(), bitmap.get());
    ::BitBlt(memory.get(), 0, 0, width, height, dc_, x, y, SRCCOPY);
  }
  // GetDIBits wants the bitmap out of every DC.
  BITMAPINFO info = dibHeader(width, height);
  ::GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height), pixels.data(), &info,
              DIB_RGB_COLORS);
  return pixels;
}

void GdiCanvas::writePixels(std::int32_t x, std::int32_t y, const Pixels24& pixels) {
  if (pixels.width() <= 0 || pixels.height() <= 0) {
    return;
  }
  const BITMAPINFO info = dibHeader(pixels.width(), pixels.height());
  ::SetDIBitsToDevice(dc_, x, y, static_cast<DWORD>(pixels.width()),
                      static_cast<DWORD>(pixels.height()), 0, 0, 0,
                      static_cast<UINT>(pixels.height()), pixels.data(), &info, DIB_RGB_COLORS);
}

void GdiCanvas::copyFrom(const Canvas& source, std::int32_t sourceX, std::int32_t sourceY,
                         std::int32_t width, std::int32_t height, std::int32_t x, std::int32_t y) {
  if (const auto* gdi = dynamic_cast<const GdiCanvas*>(&source)) {
    ::BitBlt(dc_, x, y, width, height, gdi->dc(), sourceX, sourceY, SRCCOPY);
    return;
  }
  writePixels(x, y, source.readPixels(sourceX, sourceY, width, height));
}

std::unique_ptr<Canvas> GdiCanvas::createCompatible(std::int32_t width, std::int32_t height) const {
  return std::make_unique<GdiMemoryCanvas>(dc_, width, height);
}

void GdiCanvas::drawPicture(const Picture& picture, std::int32_t x, std::int32_t y) {
  const Pixels24& pixels = picture.pixels();
  if (picture.type() == PictureType::kBitmap) {
    const Rect whole{0, 0, pixels.width(), pixels.height()};
    stretchPicture(picture, whole, whole.offset(x, y));
  } else if (const HICON icon = gdiPicture(picture).icon()) {
    ::DrawIconEx(dc_, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
  }
}

void GdiCanvas::stretchPicture(const Picture& picture, const Rect& source,
                               const Rect& destination) {
  const GdiPicture& native = gdiPicture(picture);
  if (source.empty() || destination.empty() || native.bitmap() == nullptr) {
    return;
  }
  const UniqueMemoryDc memory = UniqueMemoryDc(::CreateCompatibleDC(dc_));
  if (!memory) {
    return;
  }
  const SelectGuard select(memory.get(), native.bitmap());
  // Shrunk pictures drop whole columns and rows instead of ANDing them together.
  const int previousMode = ::SetStretchBltMode(dc_, COLORONCOLOR);
  ::StretchBlt(dc_, destination.left, destination.top, destination.width(), destination.height(),
               memory.get(), source.left, source.top, source.width(), source.height(), SRCCOPY);
  ::SetStretchBltMode(dc_, previousMode);
}

GdiMemoryCanvas::GdiMemoryCanvas(HDC compatibleWith, std::int32_t width, std::int32_t height)
    : GdiCanvas(nullptr, width, height),
      memoryDc_(UniqueMemoryDc(::CreateCompatibleDC(compatibleWith))),
      bitmap_(adoptGdi(
          ::CreateCompatibleBitmap(compatibleWith, std::max(width, 1), std::max(height, 1)))),
      selected_(memoryDc_.get(), bitmap_.get()) {
  setDc(memoryDc_.get());
}

void GdiMemoryCanvas::resize(std::int32_t width, std::int32_t height) {
  if (!memoryDc_ || !bitmap_) {
    return;
  }
  // Made from the DC while the old bitmap is still in it, so the new one has
  // the old one's format rather than the monochrome default.
  UniqueBitmap fresh =
      adoptGdi(::CreateCompatibleBitmap(memoryDc_.get(), std::max(width, 1), std::max(height, 1)));
  if (!fresh) {
    return;
  }
  ::SelectObject(memoryDc_.get(), fresh.get());
  bitmap_ = std::move(fresh);
  setSize(width, height);
}

Rect GdiTextMeasurer::measure(std::string_view text, const Rect& start, unsigned flags,
                              const Font& font) const {
  const UniqueMemoryDc dc = UniqueMemoryDc(::CreateCompatibleDC(nullptr));
  if (!dc) {
    return {start.left, start.top, start.left, start.top};
  }
  const UniqueFont made = createFont(font);
  const SelectGuard select(dc.get(), made.get());
  RECT r = toRect(start);
  const std::string copy(text);
  ::DrawTextA(dc.get(), copy.c_str(), static_cast<int>(copy.size()), &r, flags | DT_CALCRECT);
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace vorlane::win32
