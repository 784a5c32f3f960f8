#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>

#include "host/creation_failure.h"
#include "host/win32/forms.h"
#include "host/win32/message_pump.h"
#include "host/win32/tests/layout_check.h"
#include "host/win32/tests/timer_gaps.h"
#include "host/win32/tests/wait_for.h"
#include "host/win32/timer_service.h"

namespace vorlane::win32 {
namespace {

using testing::Fit;
using testing::Placed;

const FormOptions kForm{"Zendry's Vorlane", 4905, 2265};

TEST(Timers, FireAtTheScaledIntervalWhileEnabledAndMayEndThemselves) {
  Win32TimerService timers(1);
  Win32TimerService scaled(100);
  Win32MessagePump pump;
  int minutes = 0;
  int zeroTicks = 0;
  int selfEnded = 0;
  auto zero = timers.createTimer(0, true, [&] { ++zeroTicks; });
  std::unique_ptr<Timer> once = timers.createTimer(15, true, [&] {
    ++selfEnded;
    once.reset();
  });
  auto minute = scaled.createTimer(60000, true, [&] { ++minutes; });  // 600 ms when scaled
  testing::waitFor(timers, pump, [&] { return minutes == 2; });
  minute->setEnabled(false);
  int later = 0;
  auto other = timers.createTimer(700, true, [&] { ++later; });
  testing::waitFor(timers, pump, [&] { return later == 1; });
  EXPECT_EQ(minutes, 2) << "a disabled timer stays quiet";
  EXPECT_EQ(zeroTicks, 0);
  EXPECT_EQ(selfEnded, 1);
}

// Long work offers turns as often as it likes; they are taken at most every 2 ms.
TEST(MessagePump, LongWorkServesTimersThroughPumpIfDue) {
  Win32TimerService timers(1);
  Win32MessagePump pump;
  expectTimerKeepsFiring(pump, timers, [&] {
    const DWORD start = ::GetTickCount();
    DWORD turns = 0;
    while (::GetTickCount() - start < 200) {
      turns += pump.pumpIfDue() ? 1 : 0;
    }
    EXPECT_LE(turns, (::GetTickCount() - start) / 2 + 10);
  });
}

TEST(MessagePump, FailuresAndQuitInANestedWaitEndEveryWait) {
  Win32TimerService timers(1);
  Win32MessagePump pump;
  auto failing = timers.createTimer(10, true, [] { throw std::runtime_error("tick failed"); });
  EXPECT_THROW(pump.waitUntil([] { return false; }), std::runtime_error);
  failing.reset();
  bool nested = false;
  bool innerReturned = false;
  auto timer = timers.createTimer(10, true, [&] {
    if (std::exchange(nested, true)) {
      ::PostQuitMessage(7);
      return;
    }
    pump.waitUntil([] { return false; });
    innerReturned = true;
  });
  pump.waitUntil([] { return false; });
  EXPECT_TRUE(innerReturned);
  EXPECT_TRUE(pump.ending());
  timer.reset();
  EXPECT_EQ(pump.run(), 7) << "the top-level loop sees the quit too";
}

TEST(MessagePump, EndProgramDestroysEveryFormAndQuits) {
  Win32MessagePump pump;
  Form first(kForm);
  Form second(kForm);
  Label label(first, {0, 0, 600, 300}, "label", LabelOptions{});
  pump.endProgram();
  EXPECT_EQ(first.handle(), nullptr);
  EXPECT_EQ(second.handle(), nullptr);
  EXPECT_EQ(label.handle(), nullptr);
  label.setText("still safe");
  first.hide();
  pump.waitUntil([] { return false; });  // returns at once: the program is ending
  EXPECT_EQ(pump.run(), 0);
  try {
    Label orphan(first, {0, 0, 600, 300}, "orphan", LabelOptions{});
    ADD_FAILURE() << "a window without its parent was made";
  } catch (const CreationFailure& failure) {
    EXPECT_EQ(std::string(failure.what()).rfind("The window \"orphan\" could not be created", 0),
              0u);
  }
}

TEST(Forms, StylesAndCloseRequest) {
  FormOptions options = kForm;
  options.taskbarButton = true;
  Form withButton(options);
  options.taskbarButton = false;
  options.topmost = true;
  Form popup(options);
  const auto exStyle = [](const Form& form) {
    return ::GetWindowLongA(form.handle(), GWL_EXSTYLE);
  };
  EXPECT_EQ(exStyle(withButton) & (WS_EX_APPWINDOW | WS_EX_TOOLWINDOW), WS_EX_APPWINDOW);
  EXPECT_EQ(exStyle(popup) & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST), WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
  testing::expectBorderlessAtScreenCentre(popup.handle(), 4905, 2265);
  int closes = 0;
  ::SendMessageA(popup.handle(), WM_CLOSE, 0, 0);
  popup.setOnCloseRequest([&] { ++closes; });
  ::SendMessageA(popup.handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(closes, 1);
  EXPECT_NE(popup.handle(), nullptr) << "Close only asks";
}

// Sized to its text, a label keeps the edge or centre of its box that its
// alignment names, through every change of text, at the screen's real DPI.
TEST(Forms, LabelsInTwipsKeepTheEdgeTheirAlignmentNames) {
  Form form(kForm);
  Panel panel(form, {50, 50, 4815, 2175}, RGB(255, 255, 255));
  const std::tuple<Alignment, bool, bool, Fit> kinds[] = {
      // autoSize, sizeFromTopLeft
      {Alignment::kLeft, true, false, Fit::kLeft},
      {Alignment::kCenter, true, false, Fit::kCentre},
      {Alignment::kRight, true, false, Fit::kRight},
      {Alignment::kRight, true, true, Fit::kLeft},
      {Alignment::kCenter, false, false, Fit::kBox}};
  for (const auto& [alignment, autoSize, fromTopLeft, fit] : kinds) {
    LabelOptions options = labelOptions(Font{"Arial", 9, true}, alignment, autoSize);
    options.sizeFromTopLeft = fromTopLeft;
    Label label(panel, {120, 1200, 2925, 225}, "", options);
    for (const char* text :
         {"Opening Log file...", "Opening Log file... and more", "two\r\nlines"}) {
      label.setText(text);
      testing::expectLayout(
          form.handle(),
          {{"", {50, 50, 4815, 2175}},
           {text, {120, 1200, 2925, 225}, 0, testing::FontRow{"Arial", 9, true}, fit}});
    }
  }
}

TEST(Forms, OptionButtonsFormOneGroupPerContainer) {
  Form form(kForm);
  const Font font;
  Frame mode(form, {120, 480, 1695, 1095}, "Mode Select", font, RGB(255, 255, 255));
  OptionButton stealth(mode, {120, 240, 1455, 375}, "Stealth ", font, false);
  OptionButton normal(mode, {120, 600, 1455, 375}, "Normal", font, true);
  Frame run(form, {1920, 480, 2775, 1095}, "Run When Computer Starts", font, RGB(255, 255, 255));
  OptionButton yes(run, {120, 240, 1455, 375}, "True", font, true);
  EXPECT_EQ(mode.caption() + stealth.caption(), "Mode SelectStealth ");
  int clicks = 0;
  stealth.setOnClick([&] { ++clicks; });
  ::SendMessageA(stealth.handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(stealth.selected());
  EXPECT_FALSE(normal.selected());
  EXPECT_TRUE(yes.selected()) << "the other frame's group is its own";
  normal.setSelected(true);
  EXPECT_FALSE(stealth.selected());
  EXPECT_TRUE(::GetWindowLongA(stealth.handle(), GWL_STYLE) & WS_GROUP);
  EXPECT_TRUE(::GetWindowLongA(yes.handle(), GWL_STYLE) & WS_GROUP);
  EXPECT_FALSE(::GetWindowLongA(normal.handle(), GWL_STYLE) & WS_GROUP);
}

}  // namespace
}  // namespace vorlane::win32
