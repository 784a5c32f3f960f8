#include <gtest/gtest.h>

#include <stdexcept>

#include "controls/button/tests/button_fixture.h"

namespace vorlane::testing {
namespace {

using PropertiesTest = ButtonTest;

TEST_F(PropertiesTest, FreshControl) {
  EXPECT_EQ(button->ButtonType(), 3);
  EXPECT_EQ(button->ColorScheme(), 1);
  EXPECT_EQ(button->Caption(), "VelkXPButton1");
  EXPECT_EQ(site->windowText, "VelkXPButton1");
  EXPECT_EQ(button->FontName(), "Verdana");
  EXPECT_EQ(button->BackColor(), 0xFFFFFFu);
  EXPECT_EQ(button->BackOver(), 0xFFFFFFu);
  EXPECT_EQ(button->ForeColor(), FakeButtonSite::kBtnText);
  EXPECT_EQ(button->ForeOver(), 0xFF0000u);
  EXPECT_EQ(button->MaskColor(), 0xC0C0C0u);
  EXPECT_TRUE(button->Enabled());
  EXPECT_TRUE(button->ShowFocusRect());
  EXPECT_TRUE(button->UseMaskColor());
  EXPECT_TRUE(button->HandFlag());
  EXPECT_STREQ(VelkXPButton::Version(), "2.0.6");
}

TEST_F(PropertiesTest, SaveWritesEveryKeyAndLoadRestoresIt) {
  button->setCaption("Ap&ply");
  button->setColorScheme(2);
  button->setBackColor(0x00FFFF);
  button->setSpecialEffect(2);
  button->setFontBold(true);
  PropertyBag bag;
  button->WriteProperties(bag);
  for (const char* key :
       {"BTYPE", "TX",   "ENAB",  "FONT", "COLTYPE", "FOCUSR", "BCOL", "BCOLO", "FCOL",  "FCOLO",
        "MCOL",  "MPTR", "UMCOL", "SOFT", "PICPOS",  "NGREY",  "FX",   "HAND",  "CHECK", "VALUE"}) {
    EXPECT_TRUE(bag.contains(key)) << key;
  }
  EXPECT_FALSE(bag.contains("PICN"));
  EXPECT_FALSE(bag.contains("PICH"));
  EXPECT_FALSE(bag.contains("MICON"));
  EXPECT_FALSE(bag.contains("ImageIndex"));
  EXPECT_EQ(bag.read("HAND"), "True");
  EXPECT_EQ(bag.read("FONT"), "Verdana|8.25|1|0|0");

  FakeButtonSite otherSite(75, 23);
  VelkXPButton loaded(otherSite);
  otherSite.attach(&loaded);
  loaded.ReadProperties(bag);
  EXPECT_EQ(loaded.Caption(), "Ap&ply");
  EXPECT_EQ(loaded.AccessKey(), 'p');
  EXPECT_EQ(otherSite.accessKey, 'p');
  EXPECT_EQ(loaded.ColorScheme(), 2);
  EXPECT_EQ(loaded.BackColor(), 0x00FFFFu);
  EXPECT_EQ(loaded.SpecialEffect(), 2);
  EXPECT_TRUE(loaded.FontBold());
  EXPECT_FALSE(loaded.HandFlag());
  EXPECT_EQ(otherSite.draws(), 0);  // loading draws nothing
  PropertyBag again;
  loaded.WriteProperties(again);
  EXPECT_EQ(again.read("HAND"), "False");
}

TEST_F(PropertiesTest, MissingKeysTakeTheirLoadDefaults) {
  PropertyBag bag;
  bag.write("BCOL", "65535");
  bag.write("FCOL", "255");
  VelkXPButton loaded(*site);
  loaded.ReadProperties(bag);
  EXPECT_EQ(loaded.ButtonType(), 2);
  EXPECT_EQ(loaded.BackOver(), 0x00FFFFu);
  EXPECT_EQ(loaded.ForeOver(), 0x0000FFu);
  EXPECT_EQ(loaded.Caption(), "");
  EXPECT_EQ(loaded.MaskColor(), 0xC0C0C0u);
  EXPECT_TRUE(loaded.Enabled());
  PropertyBag empty;
  VelkXPButton bare(*site);
  bare.ReadProperties(empty);
  EXPECT_EQ(bare.BackColor(), FakeButtonSite::kBtnFace);
  EXPECT_EQ(bare.ForeColor(), FakeButtonSite::kBtnText);
  EXPECT_EQ(bare.Font(), vorlane::Font{});
}

TEST_F(PropertiesTest, UnreadableValuesFallBackToDefaults) {
  PropertyBag bag;
  bag.write("BTYPE", "three");
  bag.write("FONT", "Verdana|big|1|0|0");
  bag.write("MPTR", "70000");
  bag.write("ImageIndex", "-70000");
  bag.write("PICN", "no such picture");
  VelkXPButton loaded(*site);
  loaded.ReadProperties(bag);
  EXPECT_EQ(loaded.ButtonType(), 2);
  EXPECT_EQ(loaded.Font(), vorlane::Font{});
  EXPECT_EQ(loaded.MousePointer(), 0);
  EXPECT_EQ(loaded.ImageIndex(), 0);
  EXPECT_EQ(loaded.PictureNormal(), nullptr);
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
  EXPECT_EQ(loaded.PictureWidth(), 16);
  EXPECT_EQ(loaded.ImageIndex(), 3);
}

TEST_F(PropertiesTest, SettersStoreThenRecomputeThenRepaintThenNotify) {
  Color faceSeenByPaint = 0;
  button->setButtonType(7);
  site->log.clear();
  button->setColorScheme(2);
  site->log.clear();
  button->setBackColor(0x123456);
  ASSERT_EQ(site->log.size(), 2u);
  EXPECT_EQ(site->log[0], "draw");
  EXPECT_EQ(site->log[1], "notify:BackColor");
  faceSeenByPaint = at(37, 10);
  EXPECT_EQ(faceSeenByPaint, 0x123456u);
  site->log.clear();
  button->setPicturePosition(1);
  ASSERT_EQ(site->log.size(), 2u);
  EXPECT_EQ(site->log[0], "notify:PicturePosition");
  EXPECT_EQ(site->log[1], "draw");
}

TEST_F(PropertiesTest, DesignModeCouplesColoursAndMakesType5Bold) {
  button->setBackColor(0x111111);
  EXPECT_EQ(button->BackOver(), 0xFFFFFFu);
  site->design = true;
  button->setBackColor(0x222222);
  EXPECT_EQ(button->BackOver(), 0x222222u);
  button->setForeColor(0x333333);
  EXPECT_EQ(button->ForeOver(), 0x333333u);
  button->setButtonType(5);
  EXPECT_TRUE(button->FontBold());
  button->setButtonType(2);
  EXPECT_TRUE(button->FontBold());
}

TEST_F(PropertiesTest, SettersThatMustNotDraw) {
  const int drawsAtStart = site->draws();
  button->setValue(true);
  EXPECT_EQ(site->draws(), drawsAtStart);
  EXPECT_EQ(site->log.back(), "notify:Value");
  button->setCheckBoxBehaviour(true);
  EXPECT_EQ(button->PaintedState(), VelkXPButton::StatePressed);
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
  button->setSpecialEffect(1);
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

TEST_F(PropertiesTest, MousePointerOutsideSixteenBitsFailsBeforeAnythingChanges) {
  EXPECT_THROW(button->setMousePointer(40000), std::overflow_error);
  EXPECT_THROW(button->setMousePointer(77), std::invalid_argument);
  EXPECT_EQ(button->MousePointer(), 0);
  EXPECT_TRUE(site->log.empty());
  button->setMousePointer(11);
  EXPECT_EQ(button->MousePointer(), 11);
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
  EXPECT_EQ(button->PictureWidth(), 8);
  EXPECT_EQ(site->log.back(), "notify:PictureNormal");
}

TEST_F(PropertiesTest, AmbientChangeRecolorsExceptCustom) {
  site->parent = {0x00FF00, 0};
  button->setColorScheme(4);
  site->parent = {0x0000FF, 0};
  const int draws = site->draws();
  button->AmbientChanged();
  EXPECT_EQ(button->colors().FaceColor, 0x0000FFu);
  EXPECT_EQ(site->draws(), draws + 1);
  button->setColorScheme(2);
  const int customDraws = site->draws();
  button->AmbientChanged();
  EXPECT_EQ(site->draws(), customDraws);
}

// The options screen's Apply button as the form stores it.
TEST_F(PropertiesTest, OptionsScreenApplyButtonLoadsFromItsBag) {
  PropertyBag bag;
  bag.write("BTYPE", "3");
  bag.write("TX", "Ap&ply");
  bag.write("ENAB", "True");
  bag.write("FONT", "Verdana|8.25|1|0|0");
  bag.write("COLTYPE", "2");
  bag.write("FOCUSR", "True");
  bag.write("BCOL", std::to_string(0x00FFFF));
  bag.write("BCOLO", std::to_string(0x00FFFF));
  bag.write("FCOL", "0");
  bag.write("FCOLO", std::to_string(0xFF0000));
  bag.write("MCOL", std::to_string(0xC0C0C0));
  bag.write("MPTR", "0");
  bag.write("UMCOL", "True");
  bag.write("SOFT", "False");
  bag.write("PICPOS", "0");
  bag.write("NGREY", "False");
  bag.write("FX", "2");
  bag.write("CHECK", "False");
  bag.write("VALUE", "False");
  FakeButtonSite applySite(305, 25);
  VelkXPButton apply(applySite);
  applySite.attach(&apply);
  apply.ReadProperties(bag);
  apply.Resize();
  apply.Show();
  EXPECT_EQ(apply.AccessKey(), 'p');
  EXPECT_TRUE(apply.FontBold());
  EXPECT_EQ(apply.colors().FaceColor, 0x00FFFFu);
  EXPECT_EQ(apply.colors().HoverTextColor, 0xFF0000u);
  EXPECT_EQ(applySite.at(0, 10), 0x733C00u);
  // Caption drawn with its sunken effect: two copies, then black text.
  ASSERT_EQ(applySite.canvas().textCalls().size(), 3u);
  EXPECT_EQ(applySite.canvas().textCalls()[2].color, 0u);
  EXPECT_EQ(applySite.canvas().textCalls()[2].text, "Ap&ply");
  PropertyBag saved;
  apply.WriteProperties(saved);
  saved.remove("HAND");
  bag.remove("HAND");
  EXPECT_EQ(saved.values(), bag.values());
}

}  // namespace
}  // namespace vorlane::testing
