#include "host/win32/tests/layout_check.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <tuple>

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

// Each container's offset is rounded on its own, as nested windows place them.
RECT expectedRect(const std::vector<Placed>& rows, const Placed& row, HWND window, POINT dpi) {
  LONG left = 0, top = 0;
  for (const Placed* in = &row; in != nullptr;
       in = in->in < 0 ? nullptr : &rows[static_cast<std::size_t>(in->in)]) {
    left += pixels(in->box.left, dpi.x);
    top += pixels(in->box.top, dpi.y);
  }
  const LONG width = pixels(row.box.width, dpi.x);
  if (row.fit == Fit::kBox || row.fit == Fit::kLine) {
    return {left, top, left + width,
            top + (row.fit == Fit::kLine ? 1 : pixels(row.box.height, dpi.y))};
  }
  WindowDc dc(window);
  SelectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageA(window, WM_GETFONT, 0, 0)));
  RECT text = {};
  if (*row.text == '\0') {
    TEXTMETRICA metrics = {};
    ::GetTextMetricsA(dc.get(), &metrics);
    text.bottom = metrics.tmHeight;
  } else {
    ::DrawTextA(dc.get(), row.text, -1, &text, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
  }
  if (row.fit != Fit::kLeft) {
    left += row.fit == Fit::kCentre ? (width - text.right) / 2 : width - text.right;
  }
  return {left, top, left + text.right, top + text.bottom};
}

std::string describe(const RECT& r) {
  return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + "}";
}

RECT placeIn(HWND window, HWND container) {
  RECT box = {};
  ::GetWindowRect(window, &box);
  ::MapWindowPoints(nullptr, container, reinterpret_cast<POINT*>(&box), 2);
  return box;
}

}  // namespace

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
    std::string seen;
    const auto match = std::find_if(windows.begin(), windows.end(), [&](HWND window) {
      char text[256] = {};
      ::SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
      if (std::strcmp(text, row.text) != 0) {
        return false;
      }
      const RECT actual = placeIn(window, form);
      const RECT wanted = expectedRect(rows, row, window, dpi);
      seen += " " + describe(actual) + " (wanted " + describe(wanted) + ")";
      return ::EqualRect(&actual, &wanted) != FALSE;
    });
    if (match == windows.end()) {
      ADD_FAILURE() << "no window \"" << row.text << "\" in place; with this text:" << seen;
      continue;
    }
    if (row.font) {
      LOGFONTA font = {};
      ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(*match, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
      EXPECT_EQ(std::make_tuple(std::string(font.lfFaceName), font.lfHeight, font.lfWeight),
                std::make_tuple(std::string(row.font->face), -pixels(row.font->points * 20, dpi.y),
                                LONG{row.font->bold ? FW_BOLD : FW_NORMAL}))
          << row.text;
    }
    if (row.fill) {
      // A whole-window DC of the form does not clip its children away.
      const RECT box = placeIn(*match, form);
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
  const LONG widthPx = pixels(width, dpi.x), heightPx = pixels(height, dpi.y);
  const LONG left = (::GetSystemMetrics(SM_CXSCREEN) - widthPx) / 2;
  const LONG top = (::GetSystemMetrics(SM_CYSCREEN) - heightPx) / 2;
  RECT client = {}, frame = {};
  ::GetClientRect(form, &client);
  ::GetWindowRect(form, &frame);
  EXPECT_EQ(describe(client), describe({0, 0, widthPx, heightPx}));
  EXPECT_EQ(describe(frame), describe({left, top, left + widthPx, top + heightPx}))
      << "borderless, centred";
}

}  // namespace vorlane::win32::testing
