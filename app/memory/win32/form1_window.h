#pragma once

#include <string>

#include "app/memory/form1.h"
#include "host/win32/forms.h"

namespace vorlane::win32 {

// The decimal separator of the logged-on user's regional settings.
std::string userDecimalSeparator();

// The diagnostic form `Form1` as a window, for tests and diagnostics builds:
// sizable, placed where the system places new windows, two standard push
// buttons routed to Command1_Click and Command2_Click.
class Form1Window {
 public:
  explicit Form1Window(Form1& logic);

  Form& form() { return Form1_; }
  PushButton& Command2() { return Command2_; }

 private:
  Form Form1_;
  PushButton Command2_;
  PushButton Command1_;
};

}  // namespace vorlane::win32
