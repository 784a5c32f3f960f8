#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/button/button_errors.h"
#include "controls/button/tests/button_fixture.h"

namespace vorlane::testing {
namespace {

// Records every event the button raises, in order.
class InputTest : public ButtonTest {
 protected:
  void SetUp() override {
    ButtonTest::SetUp();
    auto& e = button->events();
    e.Click = [this] { events.push_back("Click"); };
    e.MouseDown = [this](std::int16_t& b, std::int16_t&, float& x, float& y) {
      events.push_back("MouseDown " + std::to_string(b) + " " + std::to_string(int(x)) + "," +
                       std::to_string(int(y)));
    };
    e.MouseUp = [this](std::int16_t& b, std::int16_t&, float&, float&) {
      events.push_back("MouseUp " + std::to_string(b));
    };
    e.MouseMove = [this](std::int16_t& b, std::int16_t&, float&, float&) {
      events.push_back("MouseMove " + std::to_string(b));
    };
    e.KeyDown = [this](std::int16_t& k, std::int16_t&) {
      events.push_back("KeyDown " + std::to_string(k));
      if (k == zeroKey) {
        k = 0;
      }
    };
    e.KeyUp = [this](std::int16_t& k, std::int16_t&) {
      events.push_back("KeyUp " + std::to_string(k));
    };
    e.KeyPress = [this](std::int16_t& k) { events.push_back("KeyPress " + std::to_string(k)); };
    e.MouseOver = [this] { events.push_back("MouseOver"); };
    e.MOUSEOUT = [this] { events.push_back("MOUSEOUT"); };
  }

  // Mouse press and release inside, then the surface's click notice.
  void click(std::int16_t mouseButton) {
    button->input().onMouseDown(mouseButton, 0, 5, 5);
    button->input().onMouseUp(mouseButton, 0, 5, 5);
    button->input().onClick();
  }

  std::vector<std::string> events;
  std::int16_t zeroKey = -1;
};

using Strings = std::vector<std::string>;

TEST_F(InputTest, LeftClickDrawsPressedThenNormalAndClicks) {
  site->mouseInside = true;
  button->input().onMouseDown(1, 0, 5, 6);
  EXPECT_EQ(button->PaintedState(), ButtonState::kPressed);
  button->input().onMouseUp(1, 0, 5, 6);
  EXPECT_EQ(button->PaintedState(), ButtonState::kNormal);
  button->input().onClick();
  EXPECT_EQ(events, (Strings{"MouseDown 1 5,6", "MouseUp 1", "Click"}));
  EXPECT_EQ(site->log.back(), "refresh");
}

TEST_F(InputTest, DragOffAndBackOnThenReleaseOutsideGivesNoClick) {
  site->mouseInside = true;
  std::vector<ButtonState> states;
  button->input().onMouseDown(1, 0, 5, 5);
  states.push_back(button->PaintedState());
  site->mouseInside = false;
  button->input().onMouseMove(1, 0, 90, 5);
  states.push_back(button->PaintedState());
  site->mouseInside = true;
  button->input().onMouseMove(1, 0, 5, 5);
  states.push_back(button->PaintedState());
  EXPECT_FALSE(button->Hovering());
  site->mouseInside = false;
  button->input().onMouseUp(1, 0, 90, 5);
  EXPECT_EQ(states, (std::vector<ButtonState>{ButtonState::kPressed, ButtonState::kNormal,
                                              ButtonState::kPressed}));
  EXPECT_EQ(button->PaintedState(), ButtonState::kNormal);
  EXPECT_EQ(std::count(events.begin(), events.end(), "Click"), 0);
}

TEST_F(InputTest, RightButtonGivesEventsOnlyAndMiddleButtonNoClick) {
  const int draws = site->draws();
  click(2);
  EXPECT_EQ(site->draws(), draws);
  EXPECT_EQ(events, (Strings{"MouseDown 2 5,5", "MouseUp 2"}));
  events.clear();
  button->input().onMouseDown(4, 0, 5, 5);
  EXPECT_EQ(button->PaintedState(), ButtonState::kPressed);
  button->input().onMouseUp(4, 0, 5, 5);
  EXPECT_EQ(button->PaintedState(), ButtonState::kNormal);
  button->input().onClick();
  EXPECT_EQ(events, (Strings{"MouseDown 4 5,5", "MouseUp 4"}));
}

TEST_F(InputTest, HoverStartsOnceAndTheTimerEndsIt) {
  site->mouseInside = true;
  button->input().onMouseMove(0, 0, 5, 5);
  button->input().onMouseMove(0, 0, 6, 5);
  EXPECT_TRUE(button->Hovering());
  EXPECT_EQ(site->fakeTimers().activeTimers(), 1);
  site->fakeTimers().advance(30);
  EXPECT_TRUE(button->Hovering());
  site->mouseInside = false;
  site->fakeTimers().advance(3);
  EXPECT_FALSE(button->Hovering());
  EXPECT_EQ(site->fakeTimers().activeTimers(), 0);
  EXPECT_EQ(events, (Strings{"MouseMove 0", "MouseOver", "MouseMove 0", "MOUSEOUT"}));
}

TEST_F(InputTest, SpaceClicksOnceOnReleaseWhateverTheRepeat) {
  button->input().onKeyDown(32, 0);
  EXPECT_EQ(button->PaintedState(), ButtonState::kPressed);
  const int draws = site->draws();
  button->input().onKeyDown(32, 0);
  button->input().onKeyDown(32, 0);
  EXPECT_EQ(site->draws(), draws);
  button->input().onKeyUp(32, 0);
  EXPECT_EQ(button->PaintedState(), ButtonState::kNormal);
  EXPECT_EQ(std::count(events.begin(), events.end(), "Click"), 1);
}

TEST_F(InputTest, AnotherKeyBetweenSpaceDownAndUpCancelsTheClick) {
  button->input().onKeyDown(32, 0);
  button->input().onKeyDown(65, 0);
  button->input().onKeyUp(32, 0);
  EXPECT_EQ(std::count(events.begin(), events.end(), "Click"), 0);
  EXPECT_EQ(button->PaintedState(), ButtonState::kPressed);
}

TEST_F(InputTest, ArrowsMoveTheFocusAfterKeyDown) {
  button->input().onKeyDown(37, 0);
  button->input().onKeyDown(38, 0);
  button->input().onKeyDown(39, 0);
  button->input().onKeyDown(40, 0);
  EXPECT_EQ(site->log, (Strings{"key:ShiftTab", "key:ShiftTab", "key:Tab", "key:Tab"}));
}

TEST_F(InputTest, KeyDownHandlerZeroingKeyCodeSuppressesTheControl) {
  zeroKey = 32;
  button->input().onKeyDown(32, 0);
  EXPECT_EQ(button->PaintedState(), ButtonState::kNormal);
  button->input().onKeyUp(32, 0);
  EXPECT_EQ(std::count(events.begin(), events.end(), "Click"), 0);
  zeroKey = 39;
  button->input().onKeyDown(39, 0);
  EXPECT_TRUE(site->log.empty() || site->log.back() != "key:Tab");
}

TEST_F(InputTest, HandlerChangingButtonChangesWhatFollows) {
  button->events().MouseDown = [](std::int16_t& b, std::int16_t&, float&, float&) { b = 2; };
  button->input().onMouseDown(1, 0, 5, 5);
  EXPECT_EQ(button->PaintedState(), ButtonState::kNormal);
  button->input().onClick();
  EXPECT_EQ(std::count(events.begin(), events.end(), "Click"), 0);
  button->events().MouseDown = [](std::int16_t& b, std::int16_t&, float&, float&) { b = 300; };
  EXPECT_THROW(button->input().onMouseDown(1, 0, 5, 5), ValueOverflow);
}

TEST_F(InputTest, CheckBoxModeTogglesValueWithoutNotice) {
  button->setCheckBoxBehaviour(true);
  site->log.clear();
  click(1);
  EXPECT_TRUE(button->Value());
  EXPECT_EQ(button->PaintedState(), ButtonState::kPressed);
  button->input().onKeyDown(32, 0);
  button->input().onKeyUp(32, 0);
  EXPECT_FALSE(button->Value());
  EXPECT_EQ(std::count(events.begin(), events.end(), "Click"), 2);
  for (const auto& entry : site->log) {
    EXPECT_EQ(entry.rfind("notify", 0), std::string::npos) << entry;
  }
}

TEST_F(InputTest, DoubleClickPressesAgainAndCapturesTheMouse) {
  click(1);
  events.clear();
  button->input().onDoubleClick();
  EXPECT_EQ(events, (Strings{"MouseDown 1 0,0"}));
  EXPECT_EQ(button->PaintedState(), ButtonState::kPressed);
  EXPECT_EQ(site->log.back(), "capture");
}

TEST_F(InputTest, AccessKeyClicksOnlyWhileEnabled) {
  button->input().onAccessKey();
  EXPECT_EQ(events, (Strings{"Click"}));
  button->setEnabled(false);
  EXPECT_FALSE(site->surfaceEnabled);
  button->input().onAccessKey();
  EXPECT_EQ(events, (Strings{"Click"}));
}

TEST_F(InputTest, FocusRedrawsTheDrawnState) {
  button->input().onMouseDown(1, 0, 5, 5);
  const int draws = site->draws();
  button->input().onFocus(true);
  EXPECT_TRUE(button->HasFocus());
  EXPECT_EQ(button->PaintedState(), ButtonState::kPressed);
  button->input().onFocus(false);
  EXPECT_EQ(site->draws(), draws + 2);
}

struct AccessKeyCase {
  const char* caption;
  char key;
};

class AccessKeyTest : public ButtonTest, public ::testing::WithParamInterface<AccessKeyCase> {};

TEST_P(AccessKeyTest, WalksTheFirstTwoAmpersands) {
  button->setCaption(GetParam().caption);
  EXPECT_EQ(button->AccessKey(), GetParam().key) << GetParam().caption;
}

INSTANTIATE_TEST_SUITE_P(
    Captions, AccessKeyTest,
    ::testing::Values(AccessKeyCase{"&Apply", 'a'}, AccessKeyCase{"Ap&ply", 'p'},
                      AccessKeyCase{"Save && Exit", '\0'}, AccessKeyCase{"A&&B&c", 'c'},
                      AccessKeyCase{"Close&", '\0'}, AccessKeyCase{"&", '\0'},
                      AccessKeyCase{"", '\0'}, AccessKeyCase{"A&&B&&C&D", '\0'},
                      AccessKeyCase{"&&&x", 'x'}, AccessKeyCase{"No key", '\0'}));

}  // namespace
}  // namespace vorlane::testing
