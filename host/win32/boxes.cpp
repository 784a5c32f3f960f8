#include "host/win32/boxes.h"

#include <algorithm>
#include <cmath>

namespace vorlane::win32 {

namespace {

// Paints a window through its one paint function for WM_PAINT and WM_PRINTCLIENT.
template <typename Paint>
bool handlePaintMessage(HWND window, UINT message, WPARAM wParam, const Paint& paint) {
  switch (message) {
    case WM_ERASEBKGND:
      return true;  // WM_PAINT covers every pixel
    case WM_PRINTCLIENT:
      paint(reinterpret_cast<HDC>(wParam));
      return true;
    case WM_PAINT: {
      PAINTSTRUCT paintStruct = {};
      HDC dc = ::BeginPaint(window, &paintStruct);
      if (dc != nullptr) {
        paint(dc);
      }
      ::EndPaint(window, &paintStruct);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace

FilledBox::FilledBox(Container& container, const TwipsRect& bounds, COLORREF colour)
    : Control(container, bounds), colour_(colour), brush_(::CreateSolidBrush(colour)) {
  const RECT box = pixelBounds();
  createOwn("VorlaneBox", 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, "", box.left, box.top,
            box.right - box.left, box.bottom - box.top, container.containerHandle());
}

FilledBox::~FilledBox() { destroyWindow(); }

void FilledBox::setColour(COLORREF colour) {
  colour_ = colour;
  brush_.reset(::CreateSolidBrush(colour));
  ::InvalidateRect(handle(), nullptr, FALSE);
}

void FilledBox::paint(HDC dc) const {
  RECT client = {};
  ::GetClientRect(handle(), &client);
  ::FillRect(dc, &client, brush_.get());
}

LRESULT FilledBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (handlePaintMessage(handle(), message, wParam, [this](HDC dc) { paint(dc); })) {
    return message == WM_ERASEBKGND ? 1 : 0;
  }
  return callDefault(message, wParam, lParam);
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

IconBox::IconBox(Container& container, const TwipsRect& bounds, int iconResource)
    : Control(container, bounds) {
  // The 32 x 32 image of the icon, stretched from there: the same picture at
  // any box size.
  ownIcon_.reset(
      static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(iconResource),
                                      IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
  if (!ownIcon_) {
    sharedIcon_ = ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  }
  const RECT box = pixelBounds();
  createOwn("VorlaneIconBox", 0, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, "", box.left, box.top,
            box.right - box.left, box.bottom - box.top, container.containerHandle());
}

IconBox::~IconBox() { destroyWindow(); }

void IconBox::paint(HDC dc) const {
  RECT client = {};
  ::GetClientRect(handle(), &client);
  ::FillRect(dc, &client, container().backgroundBrush());
  HICON icon = ownIcon_ ? ownIcon_.get() : sharedIcon_;
  if (icon != nullptr) {
    ::DrawIconEx(dc, 0, 0, icon, client.right, client.bottom, 0, nullptr, DI_NORMAL);
  }
}

LRESULT IconBox::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (handlePaintMessage(handle(), message, wParam, [this](HDC dc) { paint(dc); })) {
    return message == WM_ERASEBKGND ? 1 : 0;
  }
  return callDefault(message, wParam, lParam);
}

}  // namespace vorlane::win32
