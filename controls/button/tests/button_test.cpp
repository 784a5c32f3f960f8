// The button without a window: saving, loading, what each change draws and tells,
// input, and the colour and pixel work the golden pictures do not reach.

#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <tuple>
#include <vector>

#include "controls/button/button_errors.h"
#include "controls/button/tests/button_fixture.h"

namespace vorlane::testing {
namespace {

using PropertiesTest = ButtonTest;

TEST_F(PropertiesTest, SaveWritesEveryKeyAndLoadRestoresIt) {
  site->picture = Picture::bitmap(Pixels24(16, 16, 0x0000FF), "res:apply");
  button->setCaption("Ap&ply");
  button->setColorScheme(ColorScheme::kCustom);
  button->setSpecialEffect(SpecialEffect::kSunken);
  button->setPicturePosition(PicturePosition::kBottom);
  button->setFontBold(true);
  button->setFontSize(10);
  button->setPictureNormal(site->picture);
  button->setImageIndex(3);
  PropertyBag bag;
  button->WriteProperties(bag);
  EXPECT_EQ(bag.values().size(), 22u);
  std::string written;
  for (const char* key :
       {"HAND", "BTYPE", "COLTYPE", "FX", "PICPOS", "FONT", "PICN", "ImageIndex"}) {
    written += bag.read(key).value_or("-") + ";";
  }
  EXPECT_EQ(written, "True;3;2;2;3;Verdana|9.75|1|0|0;res:apply;3;");
  site->log.clear();
  VelkXPButton loaded(*site);
  loaded.ReadProperties(bag);
  EXPECT_EQ(loaded.AccessKey(), 'p');
  EXPECT_EQ(site->windowText, "Ap&ply");
  EXPECT_EQ(loaded.layout().pictureWidth, 16);
  PropertyBag again;
  loaded.WriteProperties(again);
  EXPECT_EQ(again.read("HAND"), "False");
  bag.remove("HAND");
  again.remove("HAND");
  EXPECT_EQ(again.values(), bag.values());
  // A loaded caption is drawn by the next repaint, even one that skips an unchanged state.
  bag.write("TX", "Loaded");
  button->ReadProperties(bag);
  button->input().onMouseUp(1, 0, 5, 5);
  button->input().onMouseUp(1, 0, 5, 5);
  EXPECT_EQ(site->log, "draw");
}

// One stored text (or none), and what saving the loaded button writes for a key.
TEST_F(PropertiesTest, LoadingTakesDefaultsForMissingAndUnreadableValues) {
  const struct {
    const char *key, *text, *savedKey, *saved;
  } cases[] = {
      {"BTYPE", "three", "BTYPE", "2"},
      {"FONT", "Verdana|big|1|0|0", "FONT", "MS Sans Serif|8.25|0|0|0"},
      {"BCOL", "65535", "BCOLO", "65535"},
      {"BCOL", nullptr, "BCOL", "14215660"},
      {"FCOL", nullptr, "FCOLO", "128"},
      {"MPTR", "70000", "MPTR", "0"},
      {"ImageIndex", "-70000", "ImageIndex", nullptr},
      {"ImageIndex", "-32768", "ImageIndex", "-32768"},
      {"ImageIndex", "32767", "ImageIndex", "32767"},
      {"PICN", "no such picture", "PICN", nullptr},
  };
  for (const auto& c : cases) {
    PropertyBag bag;
    if (c.text != nullptr) {
      bag.write(c.key, c.text);
    }
    VelkXPButton loaded(*site);
    loaded.ReadProperties(bag);
    PropertyBag saved;
    loaded.WriteProperties(saved);
    EXPECT_EQ(saved.read(c.savedKey), c.saved ? std::optional<std::string>(c.saved) : std::nullopt)
        << c.key << " = " << (c.text != nullptr ? c.text : "(missing)");
  }
}

// Setters store, then recompute and repaint, then notify; some must not draw.
TEST_F(PropertiesTest, WhatEachChangeDrawsAndNotifies) {
  const PicturePtr picture = Picture::bitmap(Pixels24(4, 4));
  const struct {
    std::function<void()> change;
    const char* log;
  } cases[] = {
      {[&] { button->setBackColor(0x123456); }, "draw notify:BackColor"},
      {[&] { button->setPicturePosition(PicturePosition::kRight); }, "notify:PicturePosition draw"},
      {[&] { button->setFontItalic(true), button->setFontSize(8); }, "draw draw"},
      {[&] { button->setValue(true); }, "notify:Value"},
      {[&] { button->setButtonType(ButtonType::kTransparent); }, "behind draw notify:ButtonType"},
      {[&] { button->setCheckBoxBehaviour(true), button->setValue(true); },
       "draw notify:CheckBoxBehaviour draw notify:Value"},
      {[&] { button->setPictureOver(picture), button->setUseGreyscale(true); },
       "notify:PictureOver notify:UseGreyscale"},
      {[&] { button->setUseMaskColor(false), button->setMouseIcon(picture); },
       "notify:UseMaskColor notify:MouseIcon"},
      {[&] { button->DisableRefresh(), button->setCaption("Later"), button->Refresh(); },
       "notify:Caption draw"},
      {[&] { button->Hide(), button->setSpecialEffect(SpecialEffect::kRaised), button->Show(); },
       "notify:SpecialEffect draw"},
      {[&] { button->Terminate(), button->setSoftBevel(true); }, "notify:SoftBevel"},
      {[&] { site->canvas = std::make_unique<PixelCanvas>(75, 0), button->Resize(); }, ""},
      {[&] { button->setColorScheme(ColorScheme::kCustom), button->AmbientChanged(); },
       "draw notify:ColorScheme"},
      {[&] { button->setColorScheme(ColorScheme::kParent), button->AmbientChanged(); },
       "draw notify:ColorScheme draw"},
      // An index of 0 or less, or one the list does not hold, leaves the picture alone.
      {[&] {
         button->setImageIndex(2);
         button->setImageList([&](std::int16_t index) { return index != 5 ? picture : nullptr; });
         button->setImageIndex(0), button->setImageIndex(5), button->setImageIndex(2);
       },
       "notify:ImageIndex notify:ImageIndex notify:ImageIndex notify:ImageIndex "
       "draw notify:PictureNormal"},
  };
  for (const auto& c : cases) {
    create();
    c.change();
    EXPECT_EQ(site->log, c.log);
  }
}

TEST_F(PropertiesTest, RefusedValuesChangeNothing) {
  EXPECT_THROW(button->setMousePointer(40000), ValueOverflow);
  EXPECT_THROW(button->setMousePointer(-40000), ValueOverflow);
  for (const int refused : {-1, 16, 98, 100, 32767, -32768}) {
    EXPECT_THROW(button->setMousePointer(refused), InvalidPropertyValue) << refused;
  }
  EXPECT_TRUE(site->log.empty());
  for (const int taken : {15, 0, 99}) {
    button->setMousePointer(taken);
  }
  EXPECT_EQ(button->MousePointer(), 99);
}

// Disabled flat looks shadow a picture's dark pixels only (the golden disc has no light ones).
TEST_F(PropertiesTest, DisabledPictureShadowsOnlyDarkPixels) {
  Pixels24 pixels(2, 1, 0x101010);
  pixels.set(1, 0, 0xF0F0F0);
  button->setCaption("");
  button->setButtonType(ButtonType::kFlatFramed);
  button->setPictureNormal(Picture::bitmap(pixels));
  button->setEnabled(false);
  const ButtonLayout& l = button->layout();
  EXPECT_EQ(site->canvas->at(l.pictureLeft, l.pictureTop), button->palette().shadow);
  EXPECT_EQ(site->canvas->at(l.pictureLeft + 1, l.pictureTop), button->palette().face);
}

TEST_F(PropertiesTest, TypesWithoutALookShowOnlyTheFace) {
  for (const int type : {0, 15}) {
    button->setButtonType(ButtonType{type});
    for (int i = 0; i < 75 * 23; ++i) {
      ASSERT_EQ(site->canvas->at(i % 75, i / 75), button->palette().face) << type;
    }
  }
}

// The caption's raised copy takes the colour of the look's face; an embossed
// (disabled) caption has no effect, only its own copy.
TEST_F(PropertiesTest, CaptionEffectFollowsTheFace) {
  button->setSpecialEffect(SpecialEffect::kRaised);
  const std::tuple<ButtonType, bool, Color> cases[] = {{ButtonType::kGradient, false, 0xD7D7D7},
                                                       {ButtonType::kHotTrack, false, 0xB0C1C4},
                                                       {ButtonType::kHotTrack, true, 0xA8938B},
                                                       {ButtonType::kClassic, true, 0xB0C1C4}};
  for (const auto& [type, hover, copy] : cases) {
    button->setButtonType(type);
    site->mouseInside = hover;
    button->input().onMouseMove(0, 0, 5, 5);
    EXPECT_EQ(site->canvas->textCalls().at(0).color, copy) << static_cast<int>(type);
  }
  button->setEnabled(false);
  EXPECT_EQ(site->canvas->textCalls().size(), 2u);
}

// Every event the button raises goes into the site's log, in order.
class InputTest : public ButtonTest {
 protected:
  void SetUp() override {
    ButtonTest::SetUp();
    auto& e = button->events();
    const auto note = [this](const char* name) {
      return
          [this, name](std::int16_t& value, auto&...) { site->note(name + std::to_string(value)); };
    };
    e.MouseDown = note("Down"), e.MouseUp = note("Up"), e.MouseMove = note("Move");
    e.KeyDown = note("KeyDown"), e.KeyUp = note("KeyUp"), e.KeyPress = note("Press");
    e.Click = [this] { site->note("Click"); };
    e.MouseOver = [this] { site->note("Over"); };
    e.MOUSEOUT = [this] { site->note("Out"); };
  }

  // Plays `script` (a word a step: a letter, a number); gives the log, a bar, the states.
  std::string play(const std::string& script) {
    ButtonInput& in = button->input();
    const std::map<char, std::function<void(std::int16_t)>> steps = {
        {'i', [this](std::int16_t n) { site->mouseInside = n != 0; }},
        {'d', [&in](std::int16_t n) { in.onMouseDown(n, 0, 5, 5); }},
        {'u', [&in](std::int16_t n) { in.onMouseUp(n, 0, 5, 5); }},
        {'m', [&in](std::int16_t n) { in.onMouseMove(n, 0, 5, 5); }},
        {'c', [&in](std::int16_t) { in.onClick(); }},
        {'x', [&in](std::int16_t) { in.onDoubleClick(); }},
        {'a', [&in](std::int16_t) { in.onAccessKey(); }},
        {'k', [&in](std::int16_t n) { in.onKeyDown(n, 0); }},
        {'r', [&in](std::int16_t n) { in.onKeyUp(n, 0); }},
        {'p', [&in](std::int16_t n) { in.onKeyPress(n); }},
        {'f', [&in](std::int16_t n) { in.onFocus(n != 0); }},
        {'t', [this](std::int16_t n) { site->timers_.advance(n); }},
        {'v', [this](std::int16_t) { button->setCheckBoxBehaviour(true); }},
        {'e', [this](std::int16_t) { button->setEnabled(false); }},
    };
    std::istringstream words(script);
    for (std::string word; words >> word;) {
      steps.at(word[0])(static_cast<std::int16_t>(std::atoi(word.c_str() + 1)));
    }
    std::string result = site->log + (site->log.empty() ? "|" : " |");
    result += button->PaintedState() == ButtonState::kPressed ? " pressed" : "";
    result += button->Value() ? " checked" : "";
    result += button->HasFocus() ? " focus" : "";
    result += button->Hovering() ? " hover" : "";
    return result + (button->Enabled() ? "" : " disabled");
  }
};

TEST_F(InputTest, Scripts) {
  const std::pair<const char*, const char*> cases[] = {
      {"d2 u2 c", "Down2 Up2 |"},
      {"d4 u4 c", "Down4 draw Up4 draw |"},
      {"d1 u1 c x", "Down1 draw Up1 draw draw refresh Click Down1 draw capture | pressed"},
      // Dragged off and back on: pressed without the hover look; released outside: no click.
      {"i1 d1 i0 m1 i1 m1 m2 i0 u1", "Down1 draw Move1 draw Move1 draw Move2 Up1 draw |"},
      {"t30", "|"},  // the hover poll sleeps until the mouse comes
      {"i1 m0 m0 t30", "Move0 draw Over Move0 | hover"},
      {"i1 m0 t30 i0 t9", "Move0 draw Over draw Out |"},
      {"k32 k32 p32 r32", "KeyDown32 draw KeyDown32 Press32 KeyUp32 draw refresh Click |"},
      {"k32 k65 r32", "KeyDown32 draw KeyDown65 KeyUp32 | pressed"},
      {"k37 k38 k39 k40", "KeyDown37 ShiftTab KeyDown38 ShiftTab KeyDown39 Tab KeyDown40 Tab |"},
      {"d1 f1", "Down1 draw draw | pressed focus"},
      {"f1 f0", "draw draw |"},
      // Check-box mode flips Value without notice.
      {"v d1 u1 c",
       "draw notify:CheckBoxBehaviour Down1 draw Up1 draw draw refresh Click | pressed checked"},
      {"v k32 r32 k32 r32",
       "draw notify:CheckBoxBehaviour KeyDown32 draw KeyUp32 refresh Click "
       "KeyDown32 KeyUp32 draw refresh Click |"},
      {"a e a", "draw refresh Click draw notify:Enabled | disabled"},
  };
  for (const auto& [script, expected] : cases) {
    SetUp();
    EXPECT_EQ(play(script), expected) << script;
  }
}

TEST_F(InputTest, HandlersChangeTheButtonAndKeyCode) {
  button->events().MouseDown = [](std::int16_t& b, std::int16_t&, float&, float&) { b = 2; };
  EXPECT_EQ(play("d1 c"), "|");
  // A key code zeroed by the handler does nothing: no Tab, no press, no click.
  button->events().KeyDown = [](std::int16_t& k, std::int16_t&) { k = 0; };
  EXPECT_EQ(play("k39 k32 r32"), "KeyUp32 |");
  button->events().MouseDown = [](std::int16_t& b, std::int16_t&, float&, float&) { b = 255; };
  EXPECT_NO_THROW(play("d1"));
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

// A soft bevel halves a shade's amount (the golden sheets pin plain shades, their
// clamping and the tints); a colour that is no system reference translates to black.
TEST(ColorMath, SoftShadesAndSystemReferences) {
  const std::pair<Color, Color> cases[] = {
      {ShadeColor(0xD8E9EC, 48, true, true), 0xF3FFFF},
      {ShadeColor(0x808080, -5, false, true), 0x7E7E7E},
      {translateColor(0x8000000F, luna), 0xD8E9EC},
      {translateColor(0x80FF0000, luna), 0},
      {translateColor(0x02123456, luna), 0},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;
  }
}

// On a green row: dark-only silhouettes at the brightness limit, a black one, an unused
// mask colour; then an icon on its mask-colour square, which the mask takes out again.
TEST(BlitPicture, SilhouettesMasksAndIcons) {
  BlitOptions darkOnly, black, unmasked;
  darkOnly.darkOnly = true;
  darkOnly.silhouette = 0x0000FF;
  black.silhouette = 0;
  unmasked.mask = 0xC0C0C0;
  unmasked.useMaskColor = false;
  const struct {
    Color left, right;
    BlitOptions how;
    Color expectedLeft, expectedRight;
  } cases[] = {{0x808080, 0x818080, darkOnly, 0x0000FF, 0x00FF00},
               {0x101010, 0xF0F0F0, black, 0, 0},
               {0xC0C0C0, 0x0000FF, unmasked, 0xC0C0C0, 0x0000FF}};
  for (const auto& c : cases) {
    PixelCanvas canvas(2, 1, 0x00FF00);
    Pixels24 pixels(2, 1, c.left);
    pixels.set(1, 0, c.right);
    blitPicture(canvas, 0, 0, 2, 1, *Picture::bitmap(pixels), c.how);
    EXPECT_EQ(canvas.at(0, 0), c.expectedLeft) << std::hex << c.left;
    EXPECT_EQ(canvas.at(1, 0), c.expectedRight) << std::hex << c.right;
  }
  std::vector<bool> opaque(16 * 16, false);
  opaque[8 * 16 + 8] = true;
  const auto icon = Picture::icon(Pixels24(16, 16, 0x123456), opaque);
  BlitOptions options;
  options.mask = options.maskFill = 0xC0C0C0;
  PixelCanvas canvas(16, 16, 0x00FF00);
  blitPicture(canvas, 0, 0, 16, 16, *icon, options);
  EXPECT_EQ(canvas.at(0, 0), 0x00FF00u);
  EXPECT_EQ(canvas.at(8, 8), 0x123456u);
}

}  // namespace
}  // namespace vorlane::testing
