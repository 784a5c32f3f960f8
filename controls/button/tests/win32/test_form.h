#pragma once

#include "host/win32/form.h"

namespace vorlane::testing {

// The topmost form the Windows tests place buttons on: 300 by 200 pixels at
// 96 dots per inch, at the centre of the screen.
inline win32::FormOptions testFormOptions() {
  win32::FormOptions options{"Button test", 4500, 3000};
  options.topmost = true;
  return options;
}

}  // namespace vorlane::testing
