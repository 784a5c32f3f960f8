#include "app/win32/options_window.h"

namespace vorlane::win32 {

namespace {

const FontSpec kGroupFont{"Arial", 9, true};
const FontSpec kOptionFont{"MS Sans Serif", 8.25, false};

LabelOptions title() {
  LabelOptions options;
  options.font = FontSpec{"Arial", 9.75, true};
  options.alignment = Alignment::kCenter;
  return options;
}

// The progress bar lies below the client area, so nobody ever sees it.
const TwipsRect kProgressBar{2640, 3960, 1455, 255};

}  // namespace

OptionsWindow::OptionsWindow(std::function<void()> onApply, MessageBox& messages)
    : frmstarter_(FormOptions{"Zendry's Vorlane", 4905, 2265, RGB(0, 0, 0), false, true}),
      Picture1_(frmstarter_, {50, 50, 4815, 2175}, ::GetSysColor(COLOR_WINDOW)),
      Label1_(Picture1_, {0, 0, 4815, 375}, "Options", title()),
      Line1_(Picture1_, 0, 360, 4800, 360, ::GetSysColor(COLOR_WINDOWTEXT)),
      Frame1_(Picture1_, {120, 480, 1695, 1095}, "Mode Select", kGroupFont,
              ::GetSysColor(COLOR_WINDOW)),
      Option1_(Frame1_, {120, 240, 1455, 375}, "Stealth ", kOptionFont, false),
      Option2_(Frame1_, {120, 600, 1455, 375}, "Normal", kOptionFont, true),
      VelkXPButton1_(Picture1_, {120, 1680, 4575, 375}, "Ap&ply", FontSpec{"Verdana", 8.25, true}),
      Frame2_(Picture1_, {1920, 480, 2775, 1095}, "Run When Computer Starts", kGroupFont,
              ::GetSysColor(COLOR_WINDOW)),
      Option3_(Frame2_, {120, 600, 1455, 375}, "False", kOptionFont, false),
      Option4_(Frame2_, {120, 240, 1455, 375}, "True", kOptionFont, true),
      pb_(frmstarter_.handle(), Dpi::screen().toPixelsX(kProgressBar.left),
          Dpi::screen().toPixelsY(kProgressBar.top), Dpi::screen().toPixelsX(kProgressBar.width),
          Dpi::screen().toPixelsY(kProgressBar.height), messages) {
  VelkXPButton1_.setOnClick(std::move(onApply));
}

void OptionsWindow::show() {
  frmstarter_.show();
  Option2_.focus();
}

}  // namespace vorlane::win32
