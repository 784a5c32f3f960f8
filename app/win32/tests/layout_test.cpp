#include <gtest/gtest.h>
#include <windows.h>

#include "app/win32/options_window.h"
#include "app/win32/splash_window.h"
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

FontRow arial(double points, bool bold) { return FontRow{"Arial", points, bold}; }
const FontRow kSign{"Arial Black", 9.75, false};
const FontRow kOption{"MS Sans Serif", 8.25, false};

TEST(SplashLayout, EveryControlWhereTheLayoutPutsIt) {
  testing::DesktopLock desktop;
  SplashWindow splash;
  splash.show();
  HWND form = splash.form().handle();
  testing::expectBorderlessAtScreenCentre(form, 5130, 3510);
  testing::expectLayout(
      form, {
                {"", {50, 50, 5040, 3420}, -1, {}, Fit::kBox, RGB(255, 255, 255)},
                {"ZendrySoft", {120, 360, 4635, 435}, 0, arial(18, true), Fit::kCentre},
                {"\xA9", {3480, 360, 255, 255}, 0, kSign},
                {"Presents", {120, 720, 4740, 285}, 0, arial(12, true), Fit::kCentre},
                {"Zendry's Vorlane", {480, 1080, 3855, 510}, 0, arial(21.75, true), Fit::kCentre},
                {"\xA9", {4320, 1080, 255, 255}, 0, kSign},
                {"", {2040, 1560, 855, 825}, 0},
                {"Loading...", {120, 2520, 1485, 285}, 0, arial(12, true), Fit::kLeft},
                {"", {1320, 2520, 1500, 285}, 0, arial(12, true), Fit::kCentre},
                {"Platform: ME/XP", {3000, 2520, 1545, 240}, 0, arial(9.75, true), Fit::kRight},
                {"Version 0.1 (Beta)", {3000, 2760, 1665, 240}, 0, arial(9.75, true), Fit::kRight},
                {"First Build: 18/10/03", {120, 2880, 2055, 255}, 0, arial(8.25, false)},
                {"Copyright \xA9 ZendrySoft. All rights reserved.",
                 {120, 3120, 4695, 255},
                 0,
                 arial(9, false)},
            });
}

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
                {"Options", {0, 0, 4815, 375}, 0, arial(9.75, true)},
                {"", {0, 360, 4800, 0}, 0, {}, Fit::kLine, ::GetSysColor(COLOR_WINDOWTEXT)},
                {"Mode Select", {120, 480, 1695, 1095}, 0, arial(9, true)},
                {"Stealth ", {120, 240, 1455, 375}, 3, kOption},
                {"Normal", {120, 600, 1455, 375}, 3, kOption},
                {"Ap&ply", {120, 1680, 4575, 375}, 0},
                {"Run When Computer Starts", {1920, 480, 2775, 1095}, 0, arial(9, true)},
                {"True", {120, 240, 1455, 375}, 7, kOption},
                {"False", {120, 600, 1455, 375}, 7, kOption},
                {"", {2640, 3960, 1455, 255}},
            });
}

}  // namespace
}  // namespace vorlane::win32
