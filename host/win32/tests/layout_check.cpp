#include "host/win32/tests/layout_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "host/win32/handles.h"

namespace vorlane::win32::testing {

namespace {

// Read here rather than through the toolkit, so that a wrong figure there shows.
POINT screenDpi() {
  WindowDc screen(nullptr);
  return {::GetDeviceCaps(screen.get(), LOGPIXELSX), ::GetDeviceCaps(screen.get(), LOGPIXELSY)};
}

LONG pixels(double twips, LONG dpi) {
  return static_cast<LONG>(std::nearbyint(twips * dpi / 1440));
}

SIZE textExtent(HWND window, const std::string& text) {
  WindowDc dc(window);
  SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageA(window, WM_GETFONT, 0, 0)));
  RECT extent = {};
  if (text.empty()) {
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc.get(), &metrics);
    extent.bottom = metrics.tmHeight;
  } else {
    ::DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent,
                DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  }
  return {extent.right, extent.bottom};
}

// Each container's offset is rounded on its own, as nested windows place them.
RECT expectedRect(const std::vector<Placed>& rows, const Placed& row, HWND window, POINT dpi) {
  LONG left = pixels(row.box.left, dpi.x);
  LONG top = pixels(row.box.top, dpi.y);
  for (int in = row.in; in >= 0; in = rows[static_cast<std::size_t>(in)].in) {
    left += pixels(rows[static_cast<std::size_t>(in)].box.left, dpi.x);
    top += pixels(rows[static_cast<std::size_t>(in)].box.top, dpi.y);
  }
  const LONG width = pixels(row.box.width, dpi.x);
  if (row.fit == Fit::kBox || row.fit == Fit::kLine) {
    return {left, top, left + width,
            top + (row.fit == Fit::kLine ? 1 : pixels(row.box.height, dpi.y))};
  }
  const SIZE size = textExtent(window, row.text);
  if (row.fit != Fit::kLeft) {
    left += row.fit == Fit::kCentre ? (width - size.cx) / 2 : width - size.cx;
  }
  return {left, top, left + size.cx, top + size.cy};
}

std::string describe(const RECT& r) {
  return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + "}";
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
  std::vector<HWND> windows;
  ::EnumChildWindows(
      form,
      [](HWND window, LPARAM list) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  for (const Placed& row : rows) {
    HWND match = nullptr;
    std::string seen;
    for (HWND window : windows) {
      if (textOf(window) != row.text) {
        continue;
      }
      const RECT actual = placeIn(window, form);
      const RECT wanted = expectedRect(rows, row, window, dpi);
      if (::EqualRect(&actual, &wanted)) {
        match = window;
        break;
      }
      seen += " " + describe(actual) + " (wanted " + describe(wanted) + ")";
    }
    if (match == nullptr) {
      ADD_FAILURE() << "no window \"" << row.text << "\" in place; with this text:" << seen;
      continue;
    }
    if (row.font) {
      LOGFONTA font = {};
      ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(match, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
      EXPECT_STREQ(font.lfFaceName, row.font->face) << row.text;
      EXPECT_EQ(font.lfHeight, -static_cast<LONG>(std::nearbyint(row.font->points * dpi.y / 72)))
          << row.text;
      EXPECT_EQ(font.lfWeight, row.font->bold ? FW_BOLD : FW_NORMAL) << row.text;
    }
    if (row.fill) {
      // A whole-window DC of the form does not clip its children away.
      const RECT box = placeIn(match, form);
      WindowDc dc(form, WindowDc::Area::WholeWindow);
      EXPECT_EQ(::GetPixel(dc.get(), box.left + std::min<LONG>(2, (box.right - box.left) / 2),
                           box.top + std::min<LONG>(2, (box.bottom - box.top) / 2)),
                *row.fill)
          << "fill of \"" << row.text << "\" at " << describe(box);
    }
  }
}

void expectBorderlessAtScreenCentre(HWND form, double width, double height) {
  const POINT dpi = screenDpi();
  RECT client = {};
  RECT frame = {};
  ::GetClientRect(form, &client);
  ::GetWindowRect(form, &frame);
  EXPECT_EQ(client.right, pixels(width, dpi.x));
  EXPECT_EQ(client.bottom, pixels(height, dpi.y));
  EXPECT_EQ(frame.right - frame.left, client.right) << "no border";
  EXPECT_EQ(frame.bottom - frame.top, client.bottom) << "no title bar";
  EXPECT_EQ(frame.left, (::GetSystemMetrics(SM_CXSCREEN) - client.right) / 2);
  EXPECT_EQ(frame.top, (::GetSystemMetrics(SM_CYSCREEN) - client.bottom) / 2);
}

}  // namespace vorlane::win32::testing
