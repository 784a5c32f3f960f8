#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "controls/button/button_errors.h"
#include "controls/button/tests/button_fixture.h"

namespace vorlane::testing {
namespace {

using PropertiesTest = ButtonTest;

TEST_F(PropertiesTest, SaveWritesEveryKeyAndLoadRestoresIt) {
  button->setCaption("Ap&ply");
  button->setColorScheme(ColorScheme::kCustom);
  button->setBackColor(0x00FFFF);
  button->setSpecialEffect(SpecialEffect::kSunken);
  button->setPicturePosition(PicturePosition::kBottom);
  button->setFontBold(true);
  PropertyBag bag;
  button->WriteProperties(bag);
  for (const char* key :
       {"BTYPE", "TX",   "ENAB",  "FONT", "COLTYPE", "FOCUSR", "BCOL", "BCOLO", "FCOL",  "FCOLO",
        "MCOL",  "MPTR", "UMCOL", "SOFT", "PICPOS",  "NGREY",  "FX",   "HAND",  "CHECK", "VALUE"}) {
    EXPECT_TRUE(bag.contains(key)) << key;
  }
  for (const char* key : {"PICN", "PICH", "MICON", "ImageIndex"}) {
    EXPECT_FALSE(bag.contains(key)) << key;
  }
  EXPECT_EQ(bag.read("HAND"), "True");
  EXPECT_EQ(bag.read("BTYPE"), "3");
  EXPECT_EQ(bag.read("COLTYPE"), "2");
  EXPECT_EQ(bag.read("FX"), "2");
  EXPECT_EQ(bag.read("PICPOS"), "3");
  EXPECT_EQ(bag.read("FONT"), "Verdana|8.25|1|0|0");

  FakeButtonSite otherSite(75, 23);
  VelkXPButton loaded(otherSite);
  otherSite.attach(&loaded);
  loaded.ReadProperties(bag);
  EXPECT_EQ(loaded.AccessKey(), 'p');
  EXPECT_EQ(otherSite.windowText, "Ap&ply");
  EXPECT_FALSE(loaded.HandFlag());
  EXPECT_EQ(otherSite.draws(), 0);  // loading draws nothing
  PropertyBag again;
  loaded.WriteProperties(again);
  EXPECT_EQ(again.read("HAND"), "False");
  again.remove("HAND");
  bag.remove("HAND");
  EXPECT_EQ(again.values(), bag.values());
}

// Each stored text, with the property it loads as; every other key missing.
TEST_F(PropertiesTest, LoadingTakesDefaultsForMissingAndUnreadableValues) {
  using Check = std::function<bool(const VelkXPButton&)>;
  const struct {
    const char* key;
    const char* text;
    Check check;
  } cases[] = {
      {"BTYPE", "three", [](const auto& b) { return b.ButtonType() == ButtonType::kClassic; }},
      {"BTYPE", "15", [](const auto& b) { return static_cast<int>(b.ButtonType()) == 15; }},
      {"TX", nullptr, [](const auto& b) { return b.Caption().empty(); }},
      {"FONT", "Verdana|big|1|0|0", [](const auto& b) { return b.Font() == vorlane::Font{}; }},
      {"BCOL", "65535", [](const auto& b) { return b.BackOver() == 0x00FFFFu; }},
      {"BCOL", nullptr, [](const auto& b) { return b.BackColor() == FakeButtonSite::kBtnFace; }},
      {"FCOL", "255", [](const auto& b) { return b.ForeOver() == 0x0000FFu; }},
      {"FCOL", nullptr, [](const auto& b) { return b.ForeColor() == FakeButtonSite::kBtnText; }},
      {"MCOL", nullptr, [](const auto& b) { return b.MaskColor() == 0xC0C0C0u; }},
      {"ENAB", "maybe", [](const auto& b) { return b.Enabled(); }},
      {"MPTR", "70000", [](const auto& b) { return b.MousePointer() == 0; }},
      {"MPTR", "77", [](const auto& b) { return b.MousePointer() == 0; }},
      {"MPTR", "99", [](const auto& b) { return b.MousePointer() == 99; }},
      {"ImageIndex", "-70000", [](const auto& b) { return b.ImageIndex() == 0; }},
      {"PICN", "no such picture", [](const auto& b) { return b.PictureNormal() == nullptr; }},
      {"HAND", "True", [](const auto& b) { return !b.HandFlag(); }},
  };
  for (const auto& c : cases) {
    PropertyBag bag;
    if (c.text != nullptr) {
      bag.write(c.key, c.text);
    }
    VelkXPButton loaded(*site);
    loaded.ReadProperties(bag);
    EXPECT_TRUE(c.check(loaded)) << c.key << " = " << (c.text != nullptr ? c.text : "(missing)");
  }
}

// Loading draws nothing; the caption it brings is drawn by the next repaint,
// even one that would skip an unchanged state.
TEST_F(PropertiesTest, ALoadedCaptionIsDrawnByTheNextRepaint) {
  PropertyBag bag;
  bag.write("TX", "Loaded");
  bag.write("BTYPE", "3");
  const int before = site->draws();
  button->ReadProperties(bag);
  EXPECT_EQ(site->draws(), before);
  button->input().onMouseUp(1, 0, 5, 5);
  EXPECT_EQ(site->draws(), before + 1);
  button->input().onMouseUp(1, 0, 5, 5);
  EXPECT_EQ(site->draws(), before + 1);
}

TEST_F(PropertiesTest, PicturesRoundTripByReference) {
  const PicturePtr picture = Picture::bitmap(Pixels24(16, 16, 0x0000FF), "res:apply");
  site->pictures["res:apply"] = picture;
  button->setPictureNormal(picture);
  button->setImageIndex(3);
  PropertyBag bag;
  button->WriteProperties(bag);
  EXPECT_EQ(bag.read("PICN"), "res:apply");
  EXPECT_FALSE(bag.contains("PICH"));
  EXPECT_EQ(bag.read("ImageIndex"), "3");
  VelkXPButton loaded(*site);
  loaded.ReadProperties(bag);
  EXPECT_EQ(loaded.PictureNormal(), picture);
  EXPECT_EQ(loaded.layout().pictureWidth, 16);
  EXPECT_EQ(loaded.ImageIndex(), 3);
}

TEST_F(PropertiesTest, SettersStoreThenRecomputeThenRepaintThenNotify) {
  button->setButtonType(ButtonType::kThinEdge);
  button->setColorScheme(ColorScheme::kCustom);
  site->log.clear();
  button->setBackColor(0x123456);
  EXPECT_EQ(site->log, (std::vector<std::string>{"draw", "notify:BackColor"}));
  EXPECT_EQ(at(37, 10), 0x123456u);
  site->log.clear();
  button->setPicturePosition(PicturePosition::kRight);
  EXPECT_EQ(site->log, (std::vector<std::string>{"notify:PicturePosition", "draw"}));
}

TEST_F(PropertiesTest, SettersThatMustNotDraw) {
  const int drawsAtStart = site->draws();
  button->setValue(true);
  EXPECT_EQ(site->draws(), drawsAtStart);
  EXPECT_EQ(site->log.back(), "notify:Value");
  button->setCheckBoxBehaviour(true);
  EXPECT_EQ(button->PaintedState(), ButtonState::kPressed);
  site->log.clear();
  const int draws = site->draws();
  button->setPictureOver(Picture::bitmap(Pixels24(4, 4)));
  button->setUseMaskColor(false);
  button->setUseGreyscale(true);
  EXPECT_EQ(site->draws(), draws);
  EXPECT_EQ(site->log.size(), 3u);

  button->DisableRefresh();
  button->setBackOver(0x010203);
  button->setCaption("Later");
  EXPECT_EQ(site->draws(), draws);
  EXPECT_EQ(site->log.back(), "notify:Caption");
  button->Refresh();
  EXPECT_EQ(site->draws(), draws + 1);

  button->Hide();
  button->setSpecialEffect(SpecialEffect::kRaised);
  EXPECT_EQ(site->draws(), draws + 1);
  button->Show();
  EXPECT_EQ(site->draws(), draws + 2);

  site->resize(75, 0);
  button->Resize();
  button->setShowFocusRect(false);
  button->Refresh();
  EXPECT_EQ(site->draws(), draws + 2);
}

TEST_F(PropertiesTest, FontViewsChangeTheFontWithoutNotice) {
  button->setFontSize(8);
  EXPECT_DOUBLE_EQ(button->Font().size, 8.25);
  EXPECT_EQ(button->FontSize(), 8);
  button->setFontName("Arial");
  button->setFontItalic(true);
  button->setFontUnderline(true);
  for (const auto& entry : site->log) {
    EXPECT_EQ(entry.rfind("notify", 0), std::string::npos) << entry;
  }
  vorlane::Font font = button->Font();
  font.size = 10.5;
  button->setFont(font);
  EXPECT_EQ(button->FontSize(), 10);
  font.size = 11.5;
  button->setFont(font);
  EXPECT_EQ(button->FontSize(), 12);
  EXPECT_EQ(site->log.back(), "notify:Font");
  PropertyBag bag;
  button->WriteProperties(bag);
  EXPECT_EQ(bag.read("FONT"), "Arial|11.5|0|1|1");
}

TEST_F(PropertiesTest, MousePointerTakesOnlyKnownPointers) {
  EXPECT_THROW(button->setMousePointer(40000), ValueOverflow);
  EXPECT_THROW(button->setMousePointer(-40000), ValueOverflow);
  for (const int refused : {-1, 16, 77, 98, 100}) {
    EXPECT_THROW(button->setMousePointer(refused), InvalidPropertyValue) << refused;
  }
  EXPECT_EQ(button->MousePointer(), 0);
  EXPECT_TRUE(site->log.empty());
  for (const int taken : {0, 15, 99}) {
    button->setMousePointer(taken);
    EXPECT_EQ(button->MousePointer(), taken);
  }
  EXPECT_EQ(site->log.back(), "notify:MousePointer");
}

TEST_F(PropertiesTest, ImageIndexTakesPicturesOnlyFromAProvidedList) {
  button->setImageIndex(2);
  EXPECT_EQ(button->ImageIndex(), 2);
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
  site->parent = {0x00FF00, 0};
  button->setColorScheme(ColorScheme::kParent);
  site->parent = {0x0000FF, 0};
  const int draws = site->draws();
  button->AmbientChanged();
  EXPECT_EQ(button->palette().face, 0x0000FFu);
  EXPECT_EQ(site->draws(), draws + 1);
  button->setColorScheme(ColorScheme::kCustom);
  const int customDraws = site->draws();
  button->AmbientChanged();
  EXPECT_EQ(site->draws(), customDraws);
}

}  // namespace
}  // namespace vorlane::testing
