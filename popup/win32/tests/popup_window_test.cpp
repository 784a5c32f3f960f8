#include "popup/win32/popup_window.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "host/win32/clock.h"
#include "host/win32/message_pump.h"
#include "host/win32/tests/child_process.h"
#include "host/win32/tests/wait_for.h"
#include "host/win32/timer_service.h"
#include "popup/frmmsg.h"

namespace vorlane::win32 {
namespace {

POINT placeInForm(HWND control, HWND form) {
  RECT box = {};
  ::GetWindowRect(control, &box);
  POINT corner = {box.left, box.top};
  ::ScreenToClient(form, &corner);
  return corner;
}

POINT centreOnScreen(HWND control) {
  RECT box = {};
  ::GetWindowRect(control, &box);
  return POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

// Real mouse input, as a user's hand gives it.
void sendMouse(POINT screen, DWORD buttons) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = ::MulDiv(screen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = ::MulDiv(screen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | buttons;
  ::SendInput(1, &input, sizeof input);
}

void clickAt(POINT screen) {
  sendMouse(screen, 0);
  sendMouse(screen, MOUSEEVENTF_LEFTDOWN);
  sendMouse(screen, MOUSEEVENTF_LEFTUP);
}

LOGFONTA fontOf(HWND window) {
  LOGFONTA font = {};
  ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font,
               &font);
  return font;
}

class PopupWindowTest : public ::testing::Test {
 protected:
  testing::DesktopLock desktop;
  Win32TimerService timers{1};
  Win32MessagePump pump;
  Win32Clock clock;
  frmmsg popup{[](frmmsg& model) { return std::make_unique<PopupWindow>(model, nullptr); }, timers,
               pump, clock};
  PopupWindow& window = static_cast<PopupWindow&>(popup.view());
};

TEST_F(PopupWindowTest, ShowsOnTopAndHides) {
  popup.viewmsg("Opening Log file...");
  EXPECT_TRUE(window.form().visible());
  EXPECT_TRUE(::GetWindowLongA(window.form().handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(window.oneLineArea().text(), "Opening Log file...");
  popup.viewmsg("Vorlane will start work the \r\nnext time you use this computer.");
  EXPECT_EQ(window.oneLineArea().text(), "");
  EXPECT_EQ(window.twoLineArea().text(),
            "Vorlane will start work the \r\nnext time you use this computer.");
  popup.hidemsg();
  EXPECT_FALSE(window.form().visible());
  EXPECT_EQ(window.twoLineArea().text(), "");
}

TEST_F(PopupWindowTest, RealClickOnTheLinkEndsNestedWaitsTogether) {
  bool innerReturned = false;
  bool guardFired = false;
  std::string innerLink;
  std::unique_ptr<Timer> nest;
  std::unique_ptr<Timer> click;
  nest = timers.createTimer(100, true, [&] {
    nest->setEnabled(false);
    popup.mention("inner page");
    innerReturned = true;
  });
  click = timers.createTimer(400, true, [&] {
    click->setEnabled(false);
    innerLink = window.link().text();
    EXPECT_EQ(window.oneLineArea().text(), "inner page");
    clickAt(centreOnScreen(window.link().handle()));
  });
  auto guard = timers.createTimer(10000, true, [&] {
    guardFired = true;
    popup.linkClicked();
  });
  popup.mention("outer page");
  EXPECT_FALSE(guardFired) << "the real click never arrived";
  EXPECT_TRUE(innerReturned);
  EXPECT_EQ(innerLink, "Next");
  EXPECT_FALSE(window.form().visible());
  EXPECT_EQ(window.link().text(), "Next");
  EXPECT_EQ(window.oneLineArea().text(), "");
}

TEST_F(PopupWindowTest, RealPointerUnderlinesTheLinkUntilTheBarePanel) {
  popup.viewmsg("status");
  sendMouse(centreOnScreen(window.link().handle()), 0);
  testing::waitFor(timers, pump, [&] { return popup.linkUnderlined(); });
  EXPECT_TRUE(fontOf(window.link().handle()).lfUnderline);
  RECT form = {};
  ::GetWindowRect(window.form().handle(), &form);
  sendMouse(POINT{form.left + 23, form.top + 53}, 0);  // bare panel, left of the logo
  testing::waitFor(timers, pump, [&] { return !popup.linkUnderlined(); });
  EXPECT_FALSE(fontOf(window.link().handle()).lfUnderline);
  popup.hidemsg();
}

TEST_F(PopupWindowTest, BarSlidesOnTheGridWithRealTimers) {
  popup.viewmsg("status");
  HWND form = window.form().handle();
  const int start = placeInForm(window.bar().handle(), form).x;
  testing::waitFor(timers, pump,
                   [&] { return placeInForm(window.bar().handle(), form).x <= start - 30; });
  const Sweep sweep = popup.sweep();
  EXPECT_FALSE(sweep.rightwards) << "the first tick turns it leftwards";
  EXPECT_EQ(sweep.left % 150, 0);
  EXPECT_EQ(placeInForm(window.bar().handle(), form).x,
            Dpi::screen().toPixelsX(50) + Dpi::screen().toPixelsX(sweep.left));
  popup.hidemsg();
}

}  // namespace
}  // namespace vorlane::win32
