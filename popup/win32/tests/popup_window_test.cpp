#include "popup/win32/popup_window.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "host/win32/clock.h"
#include "host/win32/message_pump.h"
#include "host/win32/tests/layout_check.h"
#include "host/win32/tests/test_support.h"
#include "host/win32/timer_service.h"

namespace vorlane::win32 {
namespace {

void pointAt(HWND window, LONG x, LONG y) {
  RECT box = {};
  ::GetWindowRect(window, &box);
  ::mouse_event(MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE,
                ::MulDiv(box.left + x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1),
                ::MulDiv(box.top + y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1), 0, 0);
}

bool underlined(HWND label) {
  LOGFONTA font = {};
  ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(label, WM_GETFONT, 0, 0)), sizeof font,
               &font);
  return font.lfUnderline;
}

TEST(PopupWindow, EveryControlWhereTheLayoutPutsItAndRealInput) {
  testing::DesktopLock desktop;
  Win32TimerService timers{1};
  Win32MessagePump pump;
  Win32Clock clock;
  frmmsg popup{[](frmmsg& model) { return std::make_unique<PopupWindow>(model, nullptr); }, timers,
               pump, clock};
  PopupWindow& window = static_cast<PopupWindow&>(popup.view());
  popup.viewmsg("");
  HWND form = window.form().handle();
  testing::expectBorderlessAtScreenCentre(form, 3240, 1665);
  EXPECT_TRUE(::GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  using testing::Fit;
  using testing::FontRow;
  testing::expectLayout(
      form,
      {
          {"", {50, 50, 3135, 1575}, -1, {}, Fit::kBox, RGB(255, 255, 255)},
          {"Zendry's Vorlane", {60, 120, 2865, 360}, 0, FontRow{"Arial", 15.75, true}, Fit::kLeft},
          {"\xA9", {2880, 0, 255, 255}, 0, FontRow{"Arial Black", 9.75, false}},
          {"", {1320, 480, 495, 465}, 0},
          {"Close", {2400, 840, 615, 255}, 0, FontRow{"Arial", 8.25, false}},
          {"", {0, 1080, 4575, 50}, 0, {}, Fit::kBox, RGB(0, 0, 0)},
          {"", {2400, 1080, 735, 50}, 0, {}, Fit::kBox, RGB(67, 117, 154)},
          {"", {120, 1150, 2925, 450}, 0, FontRow{"Arial", 8.25, true}, Fit::kLeft},
          {"", {120, 1200, 2925, 225}, 0, FontRow{"Arial", 9, true}, Fit::kLeft},
      });
  // The underline stays until the pointer crosses the bare panel.
  pointAt(window.link().handle(), 10, 8);
  testing::waitFor(timers, pump, [&] { return underlined(window.link().handle()); });
  // Space on a page clicks the link (a click and Enter the end-to-end pages
  // use); the page is topmost.
  std::unique_ptr<Timer> space = timers.createTimer(300, true, [&] {
    space->setEnabled(false);
    EXPECT_TRUE(::GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_TOPMOST);
    ::keybd_event(VK_SPACE, 0, 0, 0);
    ::keybd_event(VK_SPACE, 0, KEYEVENTF_KEYUP, 0);
  });
  const auto guard = timers.createTimer(5000, true, [&] {
    ADD_FAILURE() << "the key never arrived";
    popup.linkClicked();
  });
  popup.mention("page");
  guard->setEnabled(false);
  EXPECT_FALSE(window.form().visible());
  popup.viewmsg("");
  pointAt(form, 23, 53);
  testing::waitFor(timers, pump, [&] { return !underlined(window.link().handle()); });
  popup.hidemsg();
}

}  // namespace
}  // namespace vorlane::win32
