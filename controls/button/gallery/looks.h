#pragma once

#include "controls/button/xp_button.h"

namespace vorlane {

// The five looks a button is shown in by the gallery and compared in by the
// GDI tests.
enum class Look { kNormal, kHover, kPressed, kDisabled, kFocused };

inline constexpr Look kAllLooks[] = {Look::kNormal, Look::kHover, Look::kPressed, Look::kDisabled,
                                     Look::kFocused};

// Puts a shown button into `look` through the input a user would give it.
inline void putInLook(VelkXPButton& button, Look look) {
  switch (look) {
    case Look::kNormal:
      break;
    case Look::kHover:
      button.input().onMouseMove(0, 0, 5, 5);
      break;
    case Look::kPressed:
      // As a user presses it: with the mouse over it.
      button.input().onMouseMove(0, 0, 5, 5);
      button.input().onMouseDown(1, 0, 5, 5);
      break;
    case Look::kDisabled:
      button.setEnabled(false);
      break;
    case Look::kFocused:
      button.input().onFocus(true);
      break;
  }
}

}  // namespace vorlane
