#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "host/twips.h"

namespace vorlane::win32::testing {

// A control's rectangle: its box, a one-pixel rule across it, or sized to its
// text keeping the box's left edge, centre or right edge.
enum class Fit { kBox, kLine, kLeft, kCentre, kRight };

struct FontRow {
  const char* face;
  double points;
  bool bold;
};

// One control: its text, its box in twips in its container (the row numbered
// `in`, or the window when -1), and where set its font and the colour just
// inside its top-left corner.
struct Placed {
  const char* text;
  TwipsRect box;
  int in = -1;
  std::optional<FontRow> font = std::nullopt;
  Fit fit = Fit::kBox;
  std::optional<COLORREF> fill = std::nullopt;
};

// Checks that the shown `form` holds, at any depth, a window for every row with
// its text and rectangle at the screen's real DPI: only where the user sees
// each control matters, not how the toolkit nests them.
void expectLayout(HWND form, const std::vector<Placed>& rows);
// A borderless window of `width` × `height` twips at the centre of the screen.
void expectBorderlessAtScreenCentre(HWND form, double width, double height);

}  // namespace vorlane::win32::testing
