#include "popup/win32/popup_window.h"

namespace vorlane::win32 {

namespace {

Font arial(double points, bool bold) { return Font{"Arial", points, bold}; }

}  // namespace

PopupWindow::PopupWindow(frmmsg& popup, PicturePtr logo)
    : frmmsg_(FormOptions{"Form2", 3240, 1665, RGB(0, 0, 0), true}),  // topmost
      Frame1_(frmmsg_, {50, 50, 3135, 1575}, RGB(255, 255, 255)),
      lblProductName_(Frame1_, {60, 120, 2865, 360}, "Zendry's Vorlane",
                      labelOptions(arial(15.75, true), Alignment::kLeft, true)),
      // "\xA9" is the copyright sign in the ANSI code page the labels use.
      Label3_(Frame1_, {2880, 0, 255, 255}, "\xA9",
              labelOptions(Font{"Arial Black", 9.75, false}, Alignment::kLeft, false)),
      imgLogo_(Frame1_, {1320, 480, 495, 465}, std::move(logo)),
      Label2_(Frame1_, {2400, 840, 615, 255}, "Close",
              LabelOptions{arial(8.25, false), RGB(0, 0, 255), Alignment::kCenter}),
      Picture1_(Frame1_, {0, 1080, 4575, 50}, RGB(0, 0, 0)),
      pic_(Frame1_, {2400, 1080, 735, 50}, RGB(67, 117, 154)),
      // Centres its lines against each other and grows from its top-left corner.
      Label1_(Frame1_, {120, 1150, 2925, 450}, "",
              LabelOptions{arial(8.25, true), std::nullopt, Alignment::kCenter, true, true}),
      Label4_(Frame1_, {120, 1200, 2925, 225}, "",
              labelOptions(arial(9, true), Alignment::kLeft, true)),
      linkAccessible_(popup) {
  // The bar lies over the rule.
  pic_.bringToFront();
  Label2_.setOnClick([&popup] { popup.linkClicked(); });
  Label2_.setOnMouseMove([&popup] { popup.pointerOverLink(); });
  Frame1_.setOnMouseMove([&popup] { popup.pointerOverPanel(); });
  frmmsg_.setOnKeyDown([&popup](UINT key) {
    if (key == VK_RETURN || key == VK_SPACE) {
      popup.activateLink();
    }
  });
  Label2_.setAccessible(&linkAccessible_);
}

// The link's window outlives the provider by a moment: cut it off first.
PopupWindow::~PopupWindow() { Label2_.setAccessible(nullptr); }

void PopupWindow::setLinkText(const std::string& text) {
  Label2_.setText(text);
  Label2_.accessibleChanged();
}

void PopupWindow::showOnTop() {
  frmmsg_.show();
  frmmsg_.makeTopmost();
}

}  // namespace vorlane::win32
