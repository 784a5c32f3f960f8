#include <optional>

#include "controls/button/button_errors.h"
#include "controls/button/tests/button_fixture.h"

namespace vorlane::testing {
namespace {

using PropertiesTest = ButtonTest;
using Strings = std::vector<std::string>;

TEST_F(PropertiesTest, SaveWritesEveryKeyAndLoadRestoresIt) {
  site->picture = Picture::bitmap(Pixels24(16, 16, 0x0000FF), "res:apply");
  button->setCaption("Ap&ply");
  button->setColorScheme(ColorScheme::kCustom);
  button->setSpecialEffect(SpecialEffect::kSunken);
  button->setPicturePosition(PicturePosition::kBottom);
  button->setFontBold(true);
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
  EXPECT_EQ(written, "True;3;2;2;3;Verdana|8.25|1|0|0;res:apply;3;");
  site->draws = 0;
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
  EXPECT_EQ(site->draws, 0);
  button->input().onMouseUp(1, 0, 5, 5);
  button->input().onMouseUp(1, 0, 5, 5);
  EXPECT_EQ(site->draws, 1);
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
      {"FCOL", "255", "FCOLO", "255"},
      {"FCOL", nullptr, "FCOLO", "0"},
      {"ENAB", "maybe", "ENAB", "True"},
      {"MPTR", "70000", "MPTR", "0"},
      {"ImageIndex", "-70000", "ImageIndex", nullptr},
      {"ImageIndex", "-32768", "ImageIndex", "-32768"},
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

TEST_F(PropertiesTest, SettersStoreThenRecomputeThenRepaintThenNotify) {
  button->setButtonType(ButtonType::kThinEdge);
  button->setColorScheme(ColorScheme::kCustom);
  site->log.clear();
  button->setBackColor(0x123456);
  EXPECT_EQ(site->canvas->at(37, 10), 0x123456u);
  button->setPicturePosition(PicturePosition::kRight);
  button->setFontName("Arial");
  button->setFontItalic(true);
  button->setFontUnderline(true);
  button->setFontSize(8);
  EXPECT_EQ(site->log, (Strings{"draw", "notify:BackColor", "notify:PicturePosition", "draw",
                                "draw", "draw", "draw", "draw"}));
  EXPECT_DOUBLE_EQ(button->Font().size, 8.25);
  vorlane::Font font = button->Font();
  font.size = 10.5;
  button->setFont(font);
  EXPECT_EQ(button->FontSize(), 10);
  font.size = 11.5;
  button->setFont(font);
  EXPECT_EQ(button->FontSize(), 12);
  PropertyBag bag;
  button->WriteProperties(bag);
  EXPECT_EQ(bag.read("FONT"), "Arial|11.5|0|1|1");
}

TEST_F(PropertiesTest, SettersThatMustNotDraw) {
  button->setValue(true);
  EXPECT_EQ(site->log, (Strings{"notify:Value"}));
  button->setCheckBoxBehaviour(true);
  EXPECT_EQ(button->PaintedState(), ButtonState::kPressed);
  button->setPictureOver(Picture::bitmap(Pixels24(4, 4)));
  button->setUseMaskColor(false);
  button->setUseGreyscale(true);
  button->setMouseIcon(Picture::bitmap(Pixels24(4, 4)));
  EXPECT_EQ(site->draws, 1);

  button->DisableRefresh();
  button->setBackOver(0x010203);
  button->setCaption("Later");
  EXPECT_EQ(site->draws, 1);
  EXPECT_EQ(site->log.back(), "notify:Caption");
  button->Refresh();
  button->Hide();
  button->setSpecialEffect(SpecialEffect::kRaised);
  EXPECT_EQ(site->draws, 2);
  button->Show();
  EXPECT_EQ(site->draws, 3);
  button->Terminate();
  button->setSoftBevel(true);
  EXPECT_EQ(site->draws, 3);
  EXPECT_EQ(site->timers_.activeTimers(), 0);

  create();
  site->canvas = std::make_unique<PixelCanvas>(75, 0);
  button->Resize();
  button->setShowFocusRect(false);
  button->Refresh();
  EXPECT_EQ(site->draws, 0);
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
  EXPECT_EQ(count("notify:MousePointer"), 3);
}

TEST_F(PropertiesTest, ImageIndexTakesPicturesOnlyFromAProvidedList) {
  button->setImageIndex(2);
  EXPECT_EQ(button->PictureNormal(), nullptr);
  const PicturePtr second = Picture::bitmap(Pixels24(8, 8));
  button->setImageList([second](std::int16_t index) { return index == 2 ? second : nullptr; });
  button->setImageIndex(5);
  EXPECT_EQ(button->PictureNormal(), nullptr);
  button->setImageIndex(2);
  EXPECT_EQ(button->PictureNormal(), second);
  EXPECT_EQ(button->layout().pictureWidth, 8);
  EXPECT_EQ(site->log.back(), "notify:PictureNormal");
}

TEST_F(PropertiesTest, AmbientChangeRecolorsExceptCustom) {
  button->setColorScheme(ColorScheme::kParent);
  site->parent = {0x0000FF, 0};
  button->AmbientChanged();
  EXPECT_EQ(button->palette().face, 0x0000FFu);
  button->setColorScheme(ColorScheme::kCustom);
  site->log.clear();
  button->AmbientChanged();
  EXPECT_TRUE(site->log.empty());
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
}

// Painting changes no property, and neither notifies nor repaints again.
TEST_F(PropertiesTest, PaintingChangesNothing) {
  site->isDefault = true;
  button->setButtonType(ButtonType::kGradient);
  PropertyBag before, after;
  button->WriteProperties(before);
  site->log.clear();
  button->Refresh();
  EXPECT_EQ(site->log, (Strings{"draw"}));
  button->WriteProperties(after);
  EXPECT_EQ(after.values(), before.values());
}

}  // namespace
}  // namespace vorlane::testing
