#pragma once

#include <string>
#include <string_view>

#include "host/canvas/font.h"
#include "host/canvas/geometry.h"

namespace vorlane {

// The text-drawing flags the controls use, with the values DrawText gives them.
enum TextFlags : unsigned {
  kTextCenter = 0x1,
  kTextVCenter = 0x4,
  kTextWordBreak = 0x10,
  kTextCalcRect = 0x400,
  kTextNoPrefix = 0x800,
};

// Measures wrapped text the way DrawText with DT_CALCRECT does: left and top
// stay, right and bottom become the extent of the text laid out in `start`.
class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  virtual Rect measure(std::string_view text, const Rect& start, unsigned flags,
                       const Font& font) const = 0;
};

// The text as shown after prefix processing: "&&" shows one "&", any other "&"
// disappears (it underlines the character after it).
std::string withoutPrefixes(std::string_view text);

// A measurer for tests and off-screen work without real fonts: every character
// is 6 pixels wide (7 when bold), every line 13 pixels high, and lines break at
// blanks as DrawText breaks them.
class FixedTextMeasurer final : public TextMeasurer {
 public:
  static constexpr int kCharWidth = 6;
  static constexpr int kLineHeight = 13;
  Rect measure(std::string_view text, const Rect& start, unsigned flags,
               const Font& font) const override;
};

}  // namespace vorlane
