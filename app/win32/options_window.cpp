#include "app/win32/options_window.h"

#include <iterator>

namespace vorlane::win32 {

namespace {

const Font kGroupFont{"Arial", 9, true};
const Font kOptionFont{"MS Sans Serif", 8.25, false};

XpButtonOptions applyButtonOptions(const PropertyBag& properties) {
  XpButtonOptions options;
  options.properties = &properties;
  return options;
}

}  // namespace

PropertyBag applyButtonProperties() {
  // Each name followed by its stored text.
  static constexpr const char* kStored[] = {
      "BTYPE",   "3",        "TX",     "Ap&ply", "ENAB",  "True",     "FONT",  "Verdana|8.25|1|0|0",
      "COLTYPE", "2",        "BCOL",   "65535",  "BCOLO", "65535",    "FCOL",  "0",
      "FCOLO",   "16711680", "FOCUSR", "True",   "MCOL",  "12632256", "UMCOL", "True",
      "MPTR",    "0",        "SOFT",   "False",  "NGREY", "False",    "CHECK", "False",
      "VALUE",   "False",    "PICPOS", "0",      "FX",    "2"};
  PropertyBag bag;
  for (std::size_t i = 0; i < std::size(kStored); i += 2) {
    bag.write(kStored[i], kStored[i + 1]);
  }
  return bag;
}

OptionsWindow::OptionsWindow(std::function<void()> onApply, const OptionsServices& services)
    : frmstarter_(FormOptions{"Zendry's Vorlane", 4905, 2265, RGB(0, 0, 0), false, true}),
      Picture1_(frmstarter_, {50, 50, 4815, 2175}, ::GetSysColor(COLOR_WINDOW)),
      Label1_(Picture1_, {0, 0, 4815, 375}, "Options",
              labelOptions(Font{"Arial", 9.75, true}, Alignment::kCenter)),
      Line1_(Picture1_, 0, 360, 4800, 360, ::GetSysColor(COLOR_WINDOWTEXT)),
      Frame1_(Picture1_, {120, 480, 1695, 1095}, "Mode Select", kGroupFont,
              ::GetSysColor(COLOR_WINDOW)),
      Option1_(Frame1_, {120, 240, 1455, 375}, "Stealth ", kOptionFont, false),
      Option2_(Frame1_, {120, 600, 1455, 375}, "Normal", kOptionFont, true),
      VelkXPButton1_(Picture1_, {120, 1680, 4575, 375}, services.timers, services.pump,
                     services.keystrokes, applyButtonOptions(applyProperties_)),
      Frame2_(Picture1_, {1920, 480, 2775, 1095}, "Run When Computer Starts", kGroupFont,
              ::GetSysColor(COLOR_WINDOW)),
      Option3_(Frame2_, {120, 600, 1455, 375}, "False", kOptionFont, false),
      Option4_(Frame2_, {120, 240, 1455, 375}, "True", kOptionFont, true),
      // Below the client area, so nobody ever sees it.
      pb_(frmstarter_, {2640, 3960, 1455, 255}, services.messages) {
  VelkXPButton1_.events().Click = std::move(onApply);
  // The title's label is transparent and its box reaches over the rule: the
  // rule lies in front, or the label's background would hide it.
  Line1_.bringToFront();
}

void OptionsWindow::show() {
  frmstarter_.show();
  Option2_.focus();
}

}  // namespace vorlane::win32
