// The push button under real input through the program's pump; the hover poll on fake timers.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>

#include "controls/button/win32/xp_button_window.h"
#include "host/win32/form.h"
#include "host/win32/keystroke_sender.h"
#include "host/win32/message_pump.h"
#include "host/win32/tests/test_support.h"
#include "host/win32/timer_service.h"
#include "tests/fakes/fake_timers.h"

namespace vorlane::testing {
namespace {

class ButtonInputTest : public ::testing::Test {
 protected:
  // Real input moves the desktop's one mouse: window tests run in parallel wait.
  win32::testing::DesktopLock desktop;

  void SetUp() override {
    form.show();
    pump.setAccessKeyHandler(&win32::XpButtonWindow::dispatchAccessKey);
    window = std::make_unique<win32::XpButtonWindow>(form, TwipsRect{600, 750, 1500, 450}, timers,
                                                     pump, keystrokes);
    window->button().setCaption("Ap&ply");
    window->events().MouseOver = [this] { ++overs; };
    window->events().MOUSEOUT = [this] { ++outs; };
    window->events().Click = [this] { ++clicks; };
    pump.pumpOnce();
  }

  void moveTo(HWND over, LONG x, LONG y) {
    POINT to{x, y};
    ::ClientToScreen(over, &to);
    ::mouse_event(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                  to.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1),
                  to.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1), 0, 0);
    serveUntil([to] {
      POINT cursor{};
      return ::GetCursorPos(&cursor) && cursor.x == to.x && cursor.y == to.y;
    });
    pump.pumpOnce();
  }
  void serveUntil(const std::function<bool()>& done) {
    win32::testing::waitFor(guardTimers, pump, done);
  }

  win32::Form form{{"Button test", 4500, 3000, RGB(0, 0, 0), true}};
  FakeTimerService timers;
  win32::Win32TimerService guardTimers;
  win32::Win32MessagePump pump;
  win32::Win32KeystrokeSender keystrokes;
  std::unique_ptr<win32::XpButtonWindow> window;
  int overs = 0, outs = 0, clicks = 0;
};

TEST_F(ButtonInputTest, HoverClickAndKeys) {
  moveTo(form.handle(), 250, 180);
  moveTo(window->hwnd(), 50, 15);
  serveUntil([this] { return overs == 1; });
  moveTo(window->hwnd(), 55, 15);
  timers.advance(10);  // a turn of the hover poll
  EXPECT_EQ(overs, 1);
  EXPECT_TRUE(window->button().Hovering());
  ::mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
  ::mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
  serveUntil([this] { return clicks == 1; });
  EXPECT_EQ(::GetFocus(), window->hwnd());
  EXPECT_TRUE(window->button().HasFocus());
  EXPECT_EQ(outs, 0);
  moveTo(form.handle(), 250, 180);
  timers.advance(10);
  EXPECT_EQ(outs, 1);
  EXPECT_FALSE(window->button().Hovering());

  ::keybd_event(VK_SPACE, 0, 0, 0);
  serveUntil([this] { return window->button().PaintedState() == ButtonState::kPressed; });
  EXPECT_EQ(clicks, 1);
  ::keybd_event(VK_SPACE, 0, KEYEVENTF_KEYUP, 0);
  serveUntil([this] { return clicks == 2; });
  ::keybd_event(VK_MENU, 0, 0, 0);
  ::keybd_event('P', 0, 0, 0);
  ::keybd_event('P', 0, KEYEVENTF_KEYUP, 0);
  ::keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
  serveUntil([this] { return clicks == 3; });
  // A release over the button of a press made elsewhere is not a click.
  ::SendMessage(window->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(50, 15));
  EXPECT_EQ(clicks, 3);
  window->button().setEnabled(false);
  EXPECT_FALSE(win32::XpButtonWindow::dispatchAccessKey(form.handle(), 'p'));
  EXPECT_EQ(clicks, 3);
}

}  // namespace
}  // namespace vorlane::testing
