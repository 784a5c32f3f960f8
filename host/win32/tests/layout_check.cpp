#include "host/win32/tests/layout_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

#include "host/win32/handles.h"

namespace vorlane::win32::testing {

namespace {

// The screen's pixels per inch, read here rather than through the toolkit, so
// that a wrong figure there shows.
POINT screenDpi() {
  WindowDc screen(nullptr);
  return POINT{::GetDeviceCaps(screen.get(), LOGPIXELSX),
               ::GetDeviceCaps(screen.get(), LOGPIXELSY)};
}

int pixels(double twips, LONG dpi) { return static_cast<int>(std::nearbyint(twips * dpi / 1440)); }

// The size of a window's text drawn in its own font.
SIZE textExtent(HWND window, const std::string& text) {
  WindowDc dc(window);
  SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageA(window, WM_GETFONT, 0, 0)));
  RECT extent = {0, 0, 0, 0};
  if (text.empty()) {
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc.get(), &metrics);
    extent.bottom = metrics.tmHeight;
  } else {
    ::DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent,
                DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  }
  return SIZE{extent.right, extent.bottom};
}

// The pixel origin of a row's container in the form's client area: each
// container's own offset, rounded on its own, as nested windows place them.
POINT originOf(const std::vector<Placed>& rows, int in, POINT dpi) {
  POINT origin{0, 0};
  for (; in >= 0; in = rows[static_cast<std::size_t>(in)].in) {
    origin.x += pixels(rows[static_cast<std::size_t>(in)].box.left, dpi.x);
    origin.y += pixels(rows[static_cast<std::size_t>(in)].box.top, dpi.y);
  }
  return origin;
}

RECT expectedRect(const Placed& row, POINT origin, HWND window, POINT dpi) {
  const LONG left = origin.x + pixels(row.box.left, dpi.x);
  const LONG top = origin.y + pixels(row.box.top, dpi.y);
  const RECT box{left, top, left + pixels(row.box.width, dpi.x),
                 top + pixels(row.box.height, dpi.y)};
  if (row.fit == Fit::kBox) {
    return box;
  }
  if (row.fit == Fit::kLine) {
    return RECT{box.left, box.top, box.right, box.top + 1};
  }
  const SIZE size = textExtent(window, row.text);
  LONG sizedLeft = box.left;
  if (row.fit == Fit::kCentre) {
    sizedLeft += (box.right - box.left - size.cx) / 2;
  } else if (row.fit == Fit::kRight) {
    sizedLeft = box.right - size.cx;
  }
  return RECT{sizedLeft, box.top, sizedLeft + size.cx, box.top + size.cy};
}

bool sameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string describe(const RECT& r) {
  std::ostringstream out;
  out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
  return out.str();
}

BOOL CALLBACK collect(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> descendantsOf(HWND form) {
  std::vector<HWND> windows;
  ::EnumChildWindows(form, collect, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

void expectFont(HWND window, const FontRow& want, LONG dpiY, const char* text) {
  LOGFONTA font = {};
  const auto handle = reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0));
  ASSERT_NE(handle, nullptr) << text << ": no font of its own";
  ::GetObjectA(handle, sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, want.face) << text;
  EXPECT_EQ(font.lfHeight, -static_cast<LONG>(std::nearbyint(want.points * dpiY / 72))) << text;
  EXPECT_EQ(font.lfWeight, want.bold ? FW_BOLD : FW_NORMAL) << text;
}

// The colour the borderless form shows at a point of its client area,
// children included: a whole-window DC does not clip them away.
COLORREF colourAt(HWND form, POINT point) {
  WindowDc dc(form, WindowDc::Area::WholeWindow);
  return ::GetPixel(dc.get(), point.x, point.y);
}

}  // namespace

std::string textOf(HWND window) {
  char text[256] = {};
  ::SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

RECT placeIn(HWND window, HWND container) {
  RECT box = {};
  ::GetWindowRect(window, &box);
  ::MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&box), 2);
  return box;
}

void expectLayout(HWND form, const std::vector<Placed>& rows) {
  const POINT dpi = screenDpi();
  ::RedrawWindow(form, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const std::vector<HWND> windows = descendantsOf(form);
  for (const Placed& row : rows) {
    const POINT origin = originOf(rows, row.in, dpi);
    HWND match = nullptr;
    std::string seen;
    for (HWND window : windows) {
      if (textOf(window) != row.text) {
        continue;
      }
      const RECT actual = placeIn(window, form);
      const RECT wanted = expectedRect(row, origin, window, dpi);
      if (sameRect(actual, wanted)) {
        match = window;
        break;
      }
      seen += " " + describe(actual) + " (wanted " + describe(wanted) + ")";
    }
    EXPECT_NE(match, nullptr) << "no window \"" << row.text
                              << "\" in place; with this text:" << (seen.empty() ? " none" : seen);
    if (match == nullptr) {
      continue;
    }
    if (row.font) {
      expectFont(match, *row.font, dpi.y, row.text);
    }
    if (row.fill) {
      const RECT box = placeIn(match, form);
      const POINT inside{box.left + std::min<LONG>(2, (box.right - box.left) / 2),
                         box.top + std::min<LONG>(2, (box.bottom - box.top) / 2)};
      EXPECT_EQ(colourAt(form, inside), *row.fill)
          << "fill of \"" << row.text << "\" at " << describe(box);
    }
  }
}

void expectBorderlessAtScreenCentre(HWND form, double width, double height) {
  const POINT dpi = screenDpi();
  RECT client = {};
  ::GetClientRect(form, &client);
  EXPECT_EQ(client.right, pixels(width, dpi.x));
  EXPECT_EQ(client.bottom, pixels(height, dpi.y));
  RECT frame = {};
  ::GetWindowRect(form, &frame);
  EXPECT_EQ(frame.right - frame.left, client.right) << "no border";
  EXPECT_EQ(frame.bottom - frame.top, client.bottom) << "no title bar";
  EXPECT_EQ(frame.left, (::GetSystemMetrics(SM_CXSCREEN) - client.right) / 2);
  EXPECT_EQ(frame.top, (::GetSystemMetrics(SM_CYSCREEN) - client.bottom) / 2);
}

}  // namespace vorlane::win32::testing
