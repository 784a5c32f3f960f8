#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "host/twips.h"

namespace vorlane::win32::testing {

// How a control's rectangle follows from its box in the layout.
enum class Fit {
  kBox,     // exactly the box
  kLine,    // a horizontal rule: the box's width, one pixel high
  kLeft,    // sized to its text, keeping the box's top-left corner
  kCentre,  // sized to its text, keeping the box's top edge and centre
  kRight,   // sized to its text, keeping the box's top and right edges
};

struct FontRow {
  const char* face;
  double points;
  bool bold;
};

// One control of a layout table: its text, its box in twips relative to its
// container (the row numbered `in`, or the window itself when -1), its font
// (unset: not checked), how it fits its box, and the colour it shows just
// inside its top-left corner (unset: not checked).
struct Placed {
  const char* text;
  TwipsRect box;
  int in = -1;
  std::optional<FontRow> font = std::nullopt;
  Fit fit = Fit::kBox;
  std::optional<COLORREF> fill = std::nullopt;
};

// Checks that the shown window `form` holds, at any depth, a window for every
// row: found by its text and its rectangle at the screen's real DPI, with its
// font and fill. How the toolkit nests its windows, and what it calls them,
// does not matter; only where the user sees each control.
// A window's text, as a screen reader or a test driver reads it.
std::string textOf(HWND window);

// A window's rectangle in the client coordinates of `container`.
RECT placeIn(HWND window, HWND container);

void expectLayout(HWND form, const std::vector<Placed>& rows);

// A borderless window whose client area is `width` × `height` twips, at the
// centre of the screen.
void expectBorderlessAtScreenCentre(HWND form, double width, double height);

}  // namespace vorlane::win32::testing
