#include "app/memory/win32/form1_window.h"

namespace vorlane::win32 {

namespace {

FormOptions form1Options() {
  FormOptions options;
  options.caption = Form1Layout::kCaption;
  options.clientWidth = Form1Layout::kClientWidth;
  options.clientHeight = Form1Layout::kClientHeight;
  options.background = ::GetSysColor(COLOR_BTNFACE);
  options.taskbarButton = true;
  options.sizable = true;
  return options;
}

const Font kButtonFont{"MS Sans Serif", 8.25, false};

}  // namespace

Form1Window::Form1Window(Form1& logic)
    : Form1_(form1Options()),
      Command2_(Form1_, Form1Layout::kCommand2, Form1Layout::kCommand2Caption, kButtonFont),
      Command1_(Form1_, Form1Layout::kCommand1, Form1Layout::kCommand1Caption, kButtonFont) {
  Command1_.setOnClick([&logic] { logic.Command1_Click(); });
  Command2_.setOnClick([&logic] { logic.Command2_Click(); });
}

}  // namespace vorlane::win32
