// The push button under real input: the mouse and keyboard events come from
// SendInput and go through the program's message pump; the hover poll runs on
// fake timers, so each test says when it looks.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <stdexcept>

#include "controls/button/button_errors.h"
#include "controls/button/tests/win32/test_form.h"
#include "controls/button/win32/xp_button_window.h"
#include "host/win32/keystroke_sender.h"
#include "host/win32/message_pump.h"
#include "host/win32/tests/test_support.h"
#include "host/win32/timer_service.h"
#include "tests/fakes/fake_timers.h"

namespace vorlane::testing {
namespace {

void moveMouseTo(POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>(screen.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1));
  input.mi.dy = static_cast<LONG>(screen.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(1, &input, sizeof input);
}

void leftClick() {
  INPUT inputs[2]{};
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].type = INPUT_MOUSE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, inputs, sizeof(INPUT));
}

void typeAltKey(WORD key) {
  INPUT inputs[4]{};
  const WORD keys[4] = {VK_MENU, key, key, VK_MENU};
  for (int i = 0; i < 4; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = keys[i];
    inputs[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
  }
  ::SendInput(4, inputs, sizeof(INPUT));
}

class ButtonInputTest : public ::testing::Test {
 protected:
  // Real input moves the one mouse of the desktop: other window tests run in
  // parallel wait for this one.
  win32::testing::DesktopLock desktop;

  void SetUp() override {
    form.show();
    pump.setAccessKeyHandler(&win32::XpButtonWindow::dispatchAccessKey);
    window = std::make_unique<win32::XpButtonWindow>(form, TwipsRect{600, 750, 1500, 450}, timers,
                                                     pump, keystrokes);
    window->button().setCaption("Ap&ply");
    auto& events = window->events();
    events.MouseOver = [this] { ++overs; };
    events.MOUSEOUT = [this] { ++outs; };
    events.Click = [this] { ++clicks; };
    events.MouseMove = [this](std::int16_t&, std::int16_t&, float&, float&) { ++moves; };
    events.MouseUp = [this](std::int16_t&, std::int16_t&, float&, float&) { ++ups; };
    pump.pumpOnce();
  }

  POINT onButton() const {
    POINT point{50, 15};
    ::ClientToScreen(window->hwnd(), &point);
    return point;
  }
  POINT offButton() const {
    POINT point{250, 180};
    ::ClientToScreen(form.handle(), &point);
    return point;
  }
  // Moves the mouse and serves the loop until the cursor is there.
  void moveAndWait(POINT to) {
    moveMouseTo(to);
    serveUntil([to] {
      POINT cursor{};
      ::GetCursorPos(&cursor);
      return cursor.x == to.x && cursor.y == to.y;
    });
    pump.pumpOnce();
  }
  void serveUntil(const std::function<bool()>& done) {
    win32::testing::waitFor(guardTimers, pump, done);
  }
  // One turn of the hover poll.
  void pollHover() { timers.advance(10); }

  win32::Form form{testFormOptions()};
  FakeTimerService timers;
  win32::Win32TimerService guardTimers;
  win32::Win32MessagePump pump;
  win32::Win32KeystrokeSender keystrokes;
  std::unique_ptr<win32::XpButtonWindow> window;
  int overs = 0;
  int outs = 0;
  int clicks = 0;
  int moves = 0;
  int ups = 0;
};

TEST_F(ButtonInputTest, HoverRaisesMouseOverOnceAndMouseOutOnLeaving) {
  moveAndWait(offButton());
  moveMouseTo(onButton());
  serveUntil([this] { return overs == 1; });
  POINT nearby = onButton();
  nearby.x += 5;
  const int movesBefore = moves;
  moveMouseTo(nearby);
  serveUntil([&] { return moves > movesBefore; });
  pollHover();
  EXPECT_EQ(overs, 1);
  EXPECT_TRUE(window->button().Hovering());
  EXPECT_EQ(outs, 0);
  moveAndWait(offButton());
  pollHover();
  EXPECT_EQ(outs, 1);
  EXPECT_FALSE(window->button().Hovering());
}

TEST_F(ButtonInputTest, AWindowMovedOverTheButtonCountsAsLeaving) {
  moveMouseTo(onButton());
  serveUntil([this] { return overs == 1; });
  // A second form of the same size lies over the first.
  win32::Form cover(testFormOptions());
  cover.show();
  pump.pumpOnce();
  pollHover();
  EXPECT_EQ(outs, 1);
}

TEST_F(ButtonInputTest, RealClickRaisesClick) {
  moveMouseTo(onButton());
  serveUntil([this] { return overs == 1; });
  leftClick();
  serveUntil([this] { return clicks == 1; });
  EXPECT_EQ(::GetFocus(), window->hwnd());
}

TEST_F(ButtonInputTest, AltAccessKeyClicksTheFocusedButton) {
  ::SetFocus(window->hwnd());
  typeAltKey('P');
  serveUntil([this] { return clicks == 1; });
  EXPECT_TRUE(window->handleAccessKey('P'));
  EXPECT_FALSE(window->handleAccessKey('x'));
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(win32::XpButtonWindow::dispatchAccessKey(form.handle(), 'p'));
  EXPECT_FALSE(win32::XpButtonWindow::dispatchAccessKey(form.handle(), 'q'));
  EXPECT_EQ(clicks, 3);
  window->button().setEnabled(false);
  EXPECT_FALSE(win32::XpButtonWindow::dispatchAccessKey(form.handle(), 'p'));
  EXPECT_EQ(clicks, 3);
}

TEST_F(ButtonInputTest, DisablingTheWindowDisablesTheButton) {
  ::EnableWindow(window->hwnd(), FALSE);
  EXPECT_FALSE(window->button().Enabled());
  window->button().setEnabled(true);
  EXPECT_TRUE(::IsWindowEnabled(window->hwnd()));
}

TEST_F(ButtonInputTest, ReleaseOfAPressMadeElsewhereIsNoClick) {
  // An earlier click leaves PressedButton at 1.
  moveMouseTo(onButton());
  serveUntil([this] { return overs == 1; });
  leftClick();
  serveUntil([this] { return clicks == 1 && ups == 1; });
  INPUT input{};
  input.type = INPUT_MOUSE;
  moveAndWait(offButton());
  input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  ::SendInput(1, &input, sizeof input);
  // The form holds the mouse from its press until the release.
  serveUntil([this] { return ::GetCapture() == form.handle(); });
  moveAndWait(onButton());
  input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(1, &input, sizeof input);
  serveUntil([] { return ::GetCapture() == nullptr; });
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonInputTest, SpaceClicksOnRelease) {
  ::SetFocus(window->hwnd());
  INPUT inputs[2]{};
  inputs[0].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = VK_SPACE;
  inputs[1] = inputs[0];
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(1, &inputs[0], sizeof(INPUT));
  serveUntil([this] { return window->button().PaintedState() == ButtonState::kPressed; });
  EXPECT_EQ(clicks, 0);
  ::SendInput(1, &inputs[1], sizeof(INPUT));
  serveUntil([this] { return clicks == 1; });
}

// What a host's handler throws is parked like every other window's failure and
// thrown again on the far side of the message pump.
TEST_F(ButtonInputTest, AThrowingHandlerReachesThePump) {
  window->events().KeyDown = [](std::int16_t& keyCode, std::int16_t&) { keyCode = 300; };
  ::PostMessageA(window->hwnd(), WM_KEYDOWN, 'A', 0);
  EXPECT_THROW(pump.pumpOnce(), ValueOverflow);
}

}  // namespace
}  // namespace vorlane::testing
