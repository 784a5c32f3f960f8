// The options screen as the user sees it: every control's rectangle from its
// twips at the screen's real DPI, its font, and the colours of its panel and
// rule.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/win32/options_window.h"
#include "host/win32/keystroke_sender.h"
#include "host/win32/message_box.h"
#include "host/win32/message_pump.h"
#include "host/win32/tests/layout_check.h"
#include "host/win32/tests/test_support.h"
#include "host/win32/timer_service.h"

namespace vorlane::win32 {
namespace {

using testing::Fit;
using testing::FontRow;

const FontRow kGroup{"Arial", 9, true};
const FontRow kOption{"MS Sans Serif", 8.25, false};

TEST(OptionsLayout, EveryControlWhereTheLayoutPutsIt) {
  testing::DesktopLock desktop;
  Win32ModalMessageBox messages;
  Win32TimerService timers{1};
  Win32MessagePump pump;
  Win32KeystrokeSender keystrokes;
  OptionsWindow options([] {}, OptionsServices{messages, timers, pump, keystrokes});
  options.show();
  HWND form = options.form().handle();
  testing::expectBorderlessAtScreenCentre(form, 4905, 2265);
  testing::expectLayout(
      form, {
                {"", {50, 50, 4815, 2175}, -1, {}, Fit::kBox, ::GetSysColor(COLOR_WINDOW)},
                {"Options", {0, 0, 4815, 375}, 0, FontRow{"Arial", 9.75, true}},
                {"", {0, 360, 4800, 0}, 0, {}, Fit::kLine, ::GetSysColor(COLOR_WINDOWTEXT)},
                {"Mode Select", {120, 480, 1695, 1095}, 0, kGroup},
                {"Stealth ", {120, 240, 1455, 375}, 3, kOption},
                {"Normal", {120, 600, 1455, 375}, 3, kOption},
                {"Ap&ply", {120, 1680, 4575, 375}, 0},
                {"Run When Computer Starts", {1920, 480, 2775, 1095}, 0, kGroup},
                {"True", {120, 240, 1455, 375}, 7, kOption},
                {"False", {120, 600, 1455, 375}, 7, kOption},
                {"", {2640, 3960, 1455, 255}},
            });
}

}  // namespace
}  // namespace vorlane::win32
