#pragma once

#include "app/memory/form1.h"
#include "host/win32/forms.h"

namespace vorlane::win32 {

// The diagnostic form `Form1` as a window: two standard push buttons that run
// its `Command1` and `Command2`. Nothing in the program opens it; tests and
// diagnostics create it.
class Form1Window {
 public:
  explicit Form1Window(Form1& logic);

  Form& form() { return Form1_; }
  PushButton& Command1() { return Command1_; }
  PushButton& Command2() { return Command2_; }

 private:
  Form Form1_;
  PushButton Command2_;
  PushButton Command1_;
};

}  // namespace vorlane::win32
