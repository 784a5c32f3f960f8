#include "host/win32/forms.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "host/creation_failure.h"
#include "host/win32/tests/layout_check.h"

namespace vorlane::win32 {
namespace {

using testing::placeIn;
using testing::textOf;

FormOptions formOptions(bool taskbarButton, bool topmost) {
  FormOptions options;
  options.caption = "Zendry's Vorlane";
  options.clientWidth = 4905;
  options.clientHeight = 2265;
  options.taskbarButton = taskbarButton;
  options.topmost = topmost;
  return options;
}

class FormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (Dpi::screen().x != 96 || Dpi::screen().y != 96) {
      GTEST_SKIP() << "pixel figures below are for 96 DPI";
    }
  }
};

TEST_F(FormsTest, TaskbarButtonAndTopmostStyles) {
  Form options(formOptions(true, false));
  Form popup(formOptions(false, true));
  const auto exStyle = [](const Form& form) {
    return ::GetWindowLongA(form.handle(), GWL_EXSTYLE);
  };
  EXPECT_TRUE(exStyle(options) & WS_EX_APPWINDOW);
  EXPECT_FALSE(exStyle(options) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(exStyle(popup) & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(exStyle(popup) & WS_EX_TOPMOST);
  EXPECT_FALSE(::GetWindowLongA(popup.handle(), GWL_STYLE) & (WS_CAPTION | WS_BORDER));
}

TEST_F(FormsTest, ShowHideAndCloseRequest) {
  Form form(formOptions(false, false));
  form.show();
  EXPECT_TRUE(form.visible());
  int closes = 0;
  ::SendMessageA(form.handle(), WM_CLOSE, 0, 0);
  EXPECT_NE(form.handle(), nullptr) << "without a callback, Close does nothing";
  form.setOnCloseRequest([&] { ++closes; });
  ::SendMessageA(form.handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(closes, 1);
  form.hide();
  EXPECT_FALSE(form.visible());
}

// A label sized to its text keeps the left edge, centre or right edge of its
// box (8 to 203 pixels at 96 DPI) as its alignment names, through every change
// of text; one that grows from its top-left corner keeps the left edge.
TEST_F(FormsTest, SizedLabelKeepsTheEdgeItsAlignmentNames) {
  struct Case {
    Alignment alignment;
    bool fromTopLeft;
    int (*left)(int width);
  };
  const Case cases[] = {
      {Alignment::kLeft, false, [](int) { return 8; }},
      {Alignment::kCenter, false, [](int width) { return 8 + (195 - width) / 2; }},
      {Alignment::kRight, false, [](int width) { return 203 - width; }},
      {Alignment::kCenter, true, [](int) { return 8; }},
      {Alignment::kRight, true, [](int) { return 8; }},
  };
  Form form(formOptions(false, false));
  Panel panel(form, {50, 50, 4815, 2175}, RGB(255, 255, 255));
  for (const Case& c : cases) {
    LabelOptions options = labelOptions(Font{"Arial", 9, true}, c.alignment, true);
    options.sizeFromTopLeft = c.fromTopLeft;
    Label label(panel, {120, 1200, 2925, 225}, "Opening Log file...", options);
    int height = 0;
    for (const char* text :
         {"Opening Log file...", "Opening Log file... and more", "two\r\nlines"}) {
      label.setText(text);
      const RECT box = placeIn(label.handle(), panel.handle());
      EXPECT_EQ(box.left, c.left(box.right - box.left)) << text;
      EXPECT_EQ(box.top, 80) << text;
      EXPECT_GE(box.bottom - box.top, height) << text;
      height = box.bottom - box.top;
      EXPECT_EQ(textOf(label.handle()), text);
    }
  }
}

TEST_F(FormsTest, OptionButtonsFormOneGroupPerContainer) {
  Form form(formOptions(true, false));
  Panel panel(form, {50, 50, 4815, 2175}, ::GetSysColor(COLOR_WINDOW));
  Font font;
  Frame mode(panel, {120, 480, 1695, 1095}, "Mode Select", font, ::GetSysColor(COLOR_WINDOW));
  OptionButton stealth(mode, {120, 240, 1455, 375}, "Stealth ", font, false);
  OptionButton normal(mode, {120, 600, 1455, 375}, "Normal", font, true);
  Frame run(panel, {1920, 480, 2775, 1095}, "Run When Computer Starts", font,
            ::GetSysColor(COLOR_WINDOW));
  OptionButton yes(run, {120, 240, 1455, 375}, "True", font, true);
  OptionButton no(run, {120, 600, 1455, 375}, "False", font, false);
  EXPECT_EQ(mode.caption(), "Mode Select");
  EXPECT_EQ(stealth.caption(), "Stealth ");
  EXPECT_TRUE(normal.selected());
  EXPECT_TRUE(yes.selected());
  int clicks = 0;
  stealth.setOnClick([&] { ++clicks; });
  ::SendMessageA(stealth.handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(stealth.selected());
  EXPECT_FALSE(normal.selected());
  EXPECT_TRUE(yes.selected()) << "the other frame's group is its own";
  no.setSelected(true);
  EXPECT_FALSE(yes.selected());
  EXPECT_TRUE(stealth.selected());
  EXPECT_TRUE(::GetWindowLongA(stealth.handle(), GWL_STYLE) & WS_GROUP);
  EXPECT_FALSE(::GetWindowLongA(normal.handle(), GWL_STYLE) & WS_GROUP);
}

TEST_F(FormsTest, TabOrderIsCreationOrder) {
  Form form(formOptions(true, false));
  Panel panel(form, {50, 50, 4815, 2175}, ::GetSysColor(COLOR_WINDOW));
  Font font;
  PushButton first(panel, {120, 120, 1000, 375}, "First", font);
  PushButton second(panel, {120, 600, 1000, 375}, "Second", font);
  EXPECT_EQ(::GetNextDlgTabItem(form.handle(), first.handle(), FALSE), second.handle());
}

TEST_F(FormsTest, PushButtonClickAndAccessKey) {
  Form form(formOptions(true, false));
  Font font;
  font.face = "Verdana";
  font.bold = true;
  PushButton apply(form, {120, 1680, 4575, 375}, "Ap&ply", font);
  int clicks = 0;
  apply.setOnClick([&] { ++clicks; });
  apply.click();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(textOf(apply.handle()), "Ap&ply");
}

TEST_F(FormsTest, IconBoxFallsBackToTheSystemIcon) {
  Form form(formOptions(false, false));
  const PicturePtr missing = loadIconPicture(30000, 32);
  EXPECT_EQ(missing, nullptr);
  IconBox logo(form, {1320, 480, 495, 465}, missing);
  const RECT box = placeIn(logo.handle(), form.handle());
  EXPECT_EQ(box.right - box.left, 33);
  EXPECT_EQ(box.bottom - box.top, 31);
}

TEST_F(FormsTest, PanelReportsMovesOverItsBareSurfaceOnly) {
  Form form(formOptions(false, false));
  Panel panel(form, {50, 50, 3135, 1575}, RGB(255, 255, 255));
  Label label(panel, {0, 0, 600, 300}, "label", LabelOptions{});
  int panelMoves = 0;
  int labelMoves = 0;
  panel.setOnMouseMove([&] { ++panelMoves; });
  label.setOnMouseMove([&] { ++labelMoves; });
  ::SendMessageA(label.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(labelMoves, 1);
  EXPECT_EQ(panelMoves, 0);
  ::SendMessageA(panel.handle(), WM_MOUSEMOVE, 0, MAKELPARAM(100, 60));
  EXPECT_EQ(panelMoves, 1);
}

TEST(Forms, ChildWindowsDestroyedWithTheirFormAreForgotten) {
  auto form = std::make_unique<Form>(formOptions(false, false));
  Label label(*form, {0, 0, 600, 300}, "label", LabelOptions{});
  ::DestroyWindow(form->handle());
  EXPECT_EQ(form->handle(), nullptr);
  EXPECT_EQ(label.handle(), nullptr);
  label.setText("still safe");

  // A window the system refuses (here: a child without its parent) is not
  // left as a silent nothing: the failure names it.
  try {
    Label orphan(*form, {0, 0, 600, 300}, "orphan", LabelOptions{});
    ADD_FAILURE() << "a window without its parent was made";
  } catch (const CreationFailure& failure) {
    EXPECT_EQ(std::string(failure.what()).rfind("The window \"orphan\" could not be created", 0),
              0u)
        << failure.what();
  }
}

}  // namespace
}  // namespace vorlane::win32
