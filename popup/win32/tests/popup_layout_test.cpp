// The pop-up as the user sees it: every control's rectangle from its twips at
// the screen's real DPI, its font, and the colours of its panel, rule and bar.
#include <gtest/gtest.h>
#include <windows.h>

#include "host/win32/clock.h"
#include "host/win32/message_pump.h"
#include "host/win32/tests/child_process.h"
#include "host/win32/tests/layout_check.h"
#include "host/win32/timer_service.h"
#include "popup/frmmsg.h"
#include "popup/win32/popup_window.h"

namespace vorlane::win32 {
namespace {

using testing::Fit;
using testing::FontRow;

TEST(PopupLayout, EveryControlWhereTheLayoutPutsIt) {
  testing::DesktopLock desktop;
  Win32TimerService timers{1};
  Win32MessagePump pump;
  Win32Clock clock;
  frmmsg popup{[](frmmsg& model) { return std::make_unique<PopupWindow>(model, nullptr); }, timers,
               pump, clock};
  popup.viewmsg("");
  HWND form = static_cast<PopupWindow&>(popup.view()).form().handle();
  testing::expectBorderlessAtScreenCentre(form, 3240, 1665);
  EXPECT_TRUE(::GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) << "no taskbar button";
  // The rule is wider than the panel; the bar starts at the right end of its
  // travel, over the rule.
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
  popup.hidemsg();
}

}  // namespace
}  // namespace vorlane::win32
