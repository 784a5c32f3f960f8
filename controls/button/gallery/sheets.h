#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "controls/button/xp_button.h"
#include "host/canvas/canvas.h"
#include "host/canvas/pixels24.h"
#include "host/canvas/text.h"

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

namespace gallery {

// Where the sheets are drawn: a canvas of the given size for each button, and
// the measurer its captions are laid out with.
struct Surface {
  std::function<std::unique_ptr<Canvas>(std::int32_t width, std::int32_t height)> makeCanvas;
  const TextMeasurer* measurer = nullptr;
};

// The in-memory surface: PixelCanvas with its text drawn as boxes, so the
// pictures show where each caption went and in which colour.
Surface pixelSurface();

// Rows: ButtonType 1 to 14; columns: for each of `schemes`, the button
// normal, hovered, pressed, disabled and focused. `isDefault` draws every
// button as the form's default button.
Pixels24 buttonSheet(const Surface& surface, const std::vector<int>& schemes, bool isDefault);

// Rows: PicturePosition 0 to 4, greyscale, SpecialEffect 1, 2 and 3, a
// picture on type 9, a PictureOver, and pictures on types 1 and 5; columns: the
// five looks.
Pixels24 pictureSheet(const Surface& surface);

}  // namespace gallery
}  // namespace vorlane
