#include <functional>
#include <map>
#include <sstream>

#include "controls/button/button_errors.h"
#include "controls/button/tests/button_fixture.h"
#include "controls/button/xp_button_accessible.h"

namespace vorlane::testing {
namespace {

// Every event the button raises goes into the site's log, in order.
class InputTest : public ButtonTest {
 protected:
  void SetUp() override {
    ButtonTest::SetUp();
    zeroKey = -1;
    auto& e = button->events();
    const auto note = [this](const char* name) {
      return
          [this, name](std::int16_t& value, auto&...) { site->note(name + std::to_string(value)); };
    };
    e.MouseDown = note("Down"), e.MouseUp = note("Up"), e.MouseMove = note("Move");
    e.KeyUp = note("KeyUp"), e.KeyPress = note("Press");
    e.KeyDown = [this, keyDown = note("KeyDown")](std::int16_t& k, std::int16_t& shift) {
      keyDown(k, shift);
      k = k == zeroKey ? 0 : k;
    };
    e.Click = [this] { site->note("Click"); };
    e.MouseOver = [this] { site->note("Over"); };
    e.MOUSEOUT = [this] { site->note("Out"); };
  }

  // Plays `script`, a step a word, each a letter and a number; gives the log,
  // then the state the button is left in as a screen reader hears it.
  std::string play(const std::string& script) {
    ButtonInput& in = button->input();
    XpButtonAccessible heard(*button, *site);
    const std::map<char, std::function<void(std::int16_t)>> steps = {
        {'i', [this](std::int16_t n) { site->mouseInside = n != 0; }},
        {'d', [&in](std::int16_t n) { in.onMouseDown(n, 0, 5, 5); }},
        {'u', [&in](std::int16_t n) { in.onMouseUp(n, 0, 5, 5); }},
        {'m', [&in](std::int16_t n) { in.onMouseMove(n, 0, 5, 5); }},
        {'c', [&in](std::int16_t) { in.onClick(); }},
        {'x', [&in](std::int16_t) { in.onDoubleClick(); }},
        {'a', [&heard](std::int16_t) { heard.doDefaultAction(); }},
        {'k', [&in](std::int16_t n) { in.onKeyDown(n, 0); }},
        {'r', [&in](std::int16_t n) { in.onKeyUp(n, 0); }},
        {'p', [&in](std::int16_t n) { in.onKeyPress(n); }},
        {'f', [&in](std::int16_t n) { in.onFocus(n != 0); }},
        {'t', [this](std::int16_t n) { site->timers_.advance(n); }},
        {'z', [this](std::int16_t n) { zeroKey = n; }},
        {'v', [this](std::int16_t) { button->setCheckBoxBehaviour(true); }},
        {'e', [this](std::int16_t) { button->setEnabled(false); }},
        {'D', [this](std::int16_t) { site->isDefault = true; }},
    };
    std::istringstream words(script);
    for (std::string word; words >> word;) {
      steps.at(word[0])(static_cast<std::int16_t>(std::atoi(word.c_str() + 1)));
    }
    std::string result = site->log + (site->log.empty() ? "" : " ");
    using namespace accessible_state;
    const std::pair<std::uint32_t, const char*> states[] = {
        {kPressed, " pressed"}, {kChecked, " checked"},      {kFocused, " focus"},
        {kDefault, " default"}, {kUnavailable, " disabled"}, {kFocusable, ""}};
    result += heard.defaultAction() + (button->Hovering() ? " hover" : "");
    std::uint32_t unheard = heard.states();
    for (const auto& [state, name] : states) {
      result += (unheard & state) != 0 ? name : "";
      unheard &= ~state;
    }
    return unheard == 0 ? result : result + " and more";
  }

  std::int16_t zeroKey = -1;
};

TEST_F(InputTest, Scripts) {
  const std::pair<const char*, const char*> cases[] = {
      {"d1 u1 c", "Down1 draw Up1 draw draw refresh Click Press"},
      {"d2 u2 c", "Down2 Up2 Press"},
      {"d4 u4 c", "Down4 draw Up4 draw Press"},
      {"d1 u1 c x", "Down1 draw Up1 draw draw refresh Click Down1 draw capture Press pressed"},
      // Dragged off and back on: pressed without the hover look; released outside: no click.
      {"i1 d1 i0 m1 i1 m1 m2 i0 u1", "Down1 draw Move1 draw Move1 draw Move2 Up1 draw Press"},
      {"i1 m0 m0 t30", "Move0 draw Over Move0 Press hover"},
      {"i1 m0 t30 i0 t9", "Move0 draw Over draw Out Press"},
      {"k32 k32 p32 r32", "KeyDown32 draw KeyDown32 Press32 KeyUp32 draw refresh Click Press"},
      {"k32 k65 r32", "KeyDown32 draw KeyDown65 KeyUp32 Press pressed"},
      {"k37 k38 k39 k40",
       "KeyDown37 ShiftTab KeyDown38 ShiftTab KeyDown39 Tab KeyDown40 Tab Press"},
      // A KeyDown handler that zeroes the key code suppresses what the key does.
      {"z39 k39 z32 k32 r32", "KeyDown39 KeyDown32 KeyUp32 Press"},
      {"d1 f1", "Down1 draw draw Press pressed focus"},
      {"f1 f0", "draw draw Press"},
      {"D f1", "draw Press focus default"},
      // Check-box mode flips Value without notice.
      {"v d1 u1 c",
       "draw notify:CheckBoxBehaviour Down1 draw Up1 draw draw refresh Click Uncheck checked"},
      {"v k32 r32 k32 r32",
       "draw notify:CheckBoxBehaviour KeyDown32 draw KeyUp32 refresh Click "
       "KeyDown32 KeyUp32 draw refresh Click Check"},
      {"a e a", "draw refresh Click draw notify:Enabled Press disabled"},
  };
  for (const auto& [script, expected] : cases) {
    SetUp();
    EXPECT_EQ(play(script), expected) << script;
  }
}

TEST_F(InputTest, HandlersChangeTheButtonAndKeyCode) {
  button->events().MouseDown = [](std::int16_t& b, std::int16_t&, float&, float&) { b = 2; };
  EXPECT_EQ(play("d1 c"), "Press");
  button->events().MouseDown = [](std::int16_t& b, std::int16_t&, float&, float&) { b = 256; };
  EXPECT_THROW(play("d1"), ValueOverflow);
  button->events().KeyDown = [](std::int16_t& k, std::int16_t&) { k = -1; };
  EXPECT_THROW(play("k1"), ValueOverflow);
}

TEST_F(InputTest, AccessKeyWalksTheFirstTwoAmpersands) {
  const std::pair<const char*, char> cases[] = {
      {"&Apply", 'a'},  {"Ap&ply", 'p'},        {"A&&B&c", 'c'},  {"&&&x", 'x'},      {"&", '\0'},
      {"Close&", '\0'}, {"Save && Exit", '\0'}, {"No key", '\0'}, {"A&&B&&C&D", '\0'}};
  for (const auto& [caption, key] : cases) {
    button->setCaption(caption);
    EXPECT_EQ(button->AccessKey(), key) << caption;
  }
}

}  // namespace
}  // namespace vorlane::testing
