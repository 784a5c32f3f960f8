#include <functional>
#include <optional>

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
      {"HAND", "True", "HAND", "False"},
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
      {[&] { button->setButtonType(ButtonType::kClassic); }, "draw notify:ButtonType"},
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

// An index of 0 or less, or one the list does not hold, leaves the picture alone.
TEST_F(PropertiesTest, ImageIndexTakesPicturesOnlyFromAProvidedList) {
  button->setImageIndex(2);
  const PicturePtr picture = Picture::bitmap(Pixels24(8, 8));
  button->setImageList([picture](std::int16_t index) { return index != 5 ? picture : nullptr; });
  button->setImageIndex(0);
  button->setImageIndex(5);
  EXPECT_EQ(button->PictureNormal(), nullptr);
  button->setImageIndex(2);
  EXPECT_EQ(button->layout().pictureWidth, 8);
  EXPECT_EQ(site->log,
            "notify:ImageIndex notify:ImageIndex notify:ImageIndex notify:ImageIndex "
            "draw notify:PictureNormal");
}

TEST_F(PropertiesTest, TypesWithoutALookShowOnlyTheFace) {
  for (const int type : {0, 10, 15}) {
    button->setButtonType(ButtonType{type});
    for (int i = 0; i < 75 * 23; ++i) {
      ASSERT_EQ(site->canvas->at(i % 75, i / 75), button->palette().face) << type;
    }
  }
}

// The caption's raised copy takes the colour of the look's face.
TEST_F(PropertiesTest, CaptionEffectFollowsTheFace) {
  button->setSpecialEffect(SpecialEffect::kRaised);
  const struct {
    ButtonType type;
    bool hover;
    Color copy;
  } cases[] = {{ButtonType::kGradient, false, 0xD7D7D7},
               {ButtonType::kHotTrack, false, 0xB0C1C4},
               {ButtonType::kHotTrack, true, 0xA8938B},
               {ButtonType::kClassic, true, 0xB0C1C4}};
  for (const auto& c : cases) {
    button->setButtonType(c.type);
    site->mouseInside = c.hover;
    button->input().onMouseMove(0, 0, 5, 5);
    ASSERT_GE(site->canvas->textCalls().size(), 2u);
    EXPECT_EQ(site->canvas->textCalls()[0].color, c.copy) << static_cast<int>(c.type);
  }
  // An embossed (disabled) caption has no effect: its copy and itself only.
  button->setEnabled(false);
  EXPECT_EQ(site->canvas->textCalls().size(), 2u);
}

}  // namespace
}  // namespace vorlane::testing
