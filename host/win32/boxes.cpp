#include "host/win32/boxes.h"

#include <algorithm>
#include <cmath>

namespace vorlane::win32 {

FilledBox::FilledBox(Container& container, const TwipsRect& bounds, COLORREF colour)
    : Control(container, bounds), brush_(::CreateSolidBrush(colour)) {
  createControl("VorlaneBox", 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
}

void FilledBox::paint(GdiCanvas& canvas) {
  const RECT client{0, 0, canvas.width(), canvas.height()};
  ::FillRect(canvas.dc(), &client, brush_.get());
}

Line::Line(Container& container, double x1, double y1, double x2, double y2, COLORREF colour)
    : FilledBox(
          container,
          TwipsRect{std::min(x1, x2), std::min(y1, y2), std::fabs(x2 - x1), std::fabs(y2 - y1)},
          colour) {
  applyBounds();
}

RECT Line::pixelBounds() const {
  RECT box = FilledBox::pixelBounds();
  if (box.right - box.left >= box.bottom - box.top) {
    box.bottom = box.top + 1;
  } else {
    box.right = box.left + 1;
  }
  return box;
}

IconBox::IconBox(Container& container, const TwipsRect& bounds, PicturePtr icon)
    : Control(container, bounds), icon_(std::move(icon)) {
  createControl("VorlaneIconBox", 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
}

void IconBox::paint(GdiCanvas& canvas) {
  container().paintBackground(canvas);
  HICON icon = icon_ ? gdiPicture(*icon_).icon() : nullptr;
  if (icon == nullptr) {
    icon = ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  }
  ::DrawIconEx(canvas.dc(), 0, 0, icon, canvas.width(), canvas.height(), 0, nullptr, DI_NORMAL);
}

}  // namespace vorlane::win32
