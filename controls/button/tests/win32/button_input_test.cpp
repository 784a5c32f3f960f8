// The push button under real input: the mouse and keyboard events come from
// SendInput, the hover poll runs on real message-loop timers.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "controls/button/tests/win32/win32_test_host.h"
#include "controls/button/win32/xp_button_window.h"
#include "host/win32/keystroke_sender.h"
#include "host/win32/tests/child_process.h"

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
    form = createTestForm(300, 200);
    ::SetForegroundWindow(form.get());
    win32::XpButtonOptions options;
    options.parent = form.get();
    options.x = 40;
    options.y = 50;
    options.width = 100;
    options.height = 30;
    window = std::make_unique<win32::XpButtonWindow>(options, timers, pump, keystrokes);
    window->button().setCaption("Ap&ply");
    auto& events = window->events();
    events.MouseOver = [this] { ++overs; };
    events.MOUSEOUT = [this] { ++outs; };
    events.Click = [this] { ++clicks; };
    pump.runFor(50);
  }

  POINT onButton() const {
    POINT point{50, 15};
    ::ClientToScreen(window->hwnd(), &point);
    return point;
  }
  POINT offButton() const {
    POINT point{250, 180};
    ::ClientToScreen(form.get(), &point);
    return point;
  }

  win32::UniqueWindow form;
  Win32TestTimers timers;
  Win32TestPump pump;
  win32::Win32KeystrokeSender keystrokes;
  std::unique_ptr<win32::XpButtonWindow> window;
  // Serves the loop until `count` reaches `wanted`, a second at most: on a
  // loaded machine input takes its time to arrive.
  void waitForCount(const int& count, int wanted) {
    const DWORD start = ::GetTickCount();
    pump.waitUntil([&] { return count >= wanted || ::GetTickCount() - start > 1000; });
  }

  int overs = 0;
  int outs = 0;
  int clicks = 0;
};

TEST_F(ButtonInputTest, HoverRaisesMouseOverOnceAndMouseOutOnLeaving) {
  moveMouseTo(offButton());
  pump.runFor(50);
  moveMouseTo(onButton());
  waitForCount(overs, 1);
  POINT nearby = onButton();
  nearby.x += 5;
  moveMouseTo(nearby);
  pump.runFor(30);
  EXPECT_EQ(overs, 1);
  EXPECT_TRUE(window->button().Hovering());
  EXPECT_EQ(outs, 0);
  moveMouseTo(offButton());
  const DWORD left = ::GetTickCount();
  pump.waitUntil([&] { return outs == 1 || ::GetTickCount() - left > 1000; });
  EXPECT_EQ(outs, 1);
  EXPECT_LT(::GetTickCount() - left, 200u);
  EXPECT_FALSE(window->button().Hovering());
}

TEST_F(ButtonInputTest, AWindowMovedOverTheButtonCountsAsLeaving) {
  moveMouseTo(onButton());
  waitForCount(overs, 1);
  ASSERT_EQ(overs, 1);
  RECT bounds{};
  ::GetWindowRect(window->hwnd(), &bounds);
  const win32::UniqueWindow cover(
      ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, "VorlaneButtonTestForm", "",
                        WS_POPUP | WS_VISIBLE, bounds.left - 5, bounds.top - 5, 200, 100, nullptr,
                        nullptr, ::GetModuleHandleA(nullptr), nullptr));
  waitForCount(outs, 1);
  EXPECT_EQ(outs, 1);
}

TEST_F(ButtonInputTest, RealClickRaisesClick) {
  moveMouseTo(onButton());
  pump.runFor(30);
  leftClick();
  pump.runFor(100);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(::GetFocus(), window->hwnd());
}

TEST_F(ButtonInputTest, AltAccessKeyClicksTheFocusedButton) {
  ::SetFocus(window->hwnd());
  pump.runFor(20);
  typeAltKey('P');
  pump.runFor(100);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(window->handleAccessKey('P'));
  EXPECT_FALSE(window->handleAccessKey('x'));
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(win32::XpButtonWindow::dispatchAccessKey(form.get(), 'p'));
  EXPECT_FALSE(win32::XpButtonWindow::dispatchAccessKey(form.get(), 'q'));
  EXPECT_EQ(clicks, 3);
  window->button().setEnabled(false);
  EXPECT_FALSE(win32::XpButtonWindow::dispatchAccessKey(form.get(), 'p'));
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
  pump.runFor(30);
  leftClick();
  pump.runFor(50);
  ASSERT_EQ(clicks, 1);
  INPUT input{};
  input.type = INPUT_MOUSE;
  moveMouseTo(offButton());
  pump.runFor(30);
  input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  ::SendInput(1, &input, sizeof input);
  pump.runFor(30);
  moveMouseTo(onButton());
  pump.runFor(30);
  input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(1, &input, sizeof input);
  pump.runFor(50);
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonInputTest, SpaceClicksOnRelease) {
  ::SetFocus(window->hwnd());
  pump.runFor(20);
  INPUT inputs[2]{};
  inputs[0].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = VK_SPACE;
  inputs[1] = inputs[0];
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(1, &inputs[0], sizeof(INPUT));
  pump.runFor(30);
  EXPECT_EQ(window->button().PaintedState(), VelkXPButton::StatePressed);
  EXPECT_EQ(clicks, 0);
  ::SendInput(1, &inputs[1], sizeof(INPUT));
  pump.runFor(30);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace vorlane::testing
