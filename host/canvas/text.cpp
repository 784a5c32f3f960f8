#include "host/canvas/text.h"

#include <algorithm>
#include <vector>

namespace vorlane {

std::string withoutPrefixes(std::string_view text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A prefix vanishes; the character after it, "&" too, shows as itself.
    if (text[i] == '&') {
      ++i;
    }
    if (i < text.size()) {
      shown += text[i];
    }
  }
  return shown;
}

Rect FixedTextMeasurer::measure(std::string_view text, const Rect& start, unsigned flags,
                                const Font& font) const {
  const std::string shown = (flags & kTextNoPrefix) ? std::string(text) : withoutPrefixes(text);
  const int charWidth = font.bold ? kCharWidth + 1 : kCharWidth;
  const int available = std::max(start.width(), 0);
  // Greedy breaking at blanks, as DrawText with DT_WORDBREAK does; a word longer
  // than the line stays whole on its own line.
  std::vector<int> lineWidths;
  int current = 0;
  bool lineHasWord = false;
  std::size_t at = 0;
  while (at <= shown.size()) {
    const std::size_t blank = std::min(shown.find(' ', at), shown.size());
    const int wordWidth = static_cast<int>(blank - at) * charWidth;
    const int withWord = lineHasWord ? current + charWidth + wordWidth : wordWidth;
    if ((flags & kTextWordBreak) && lineHasWord && withWord > available) {
      lineWidths.push_back(current);
      current = wordWidth;
    } else {
      current = withWord;
    }
    lineHasWord = true;
    at = blank + 1;
  }
  lineWidths.push_back(current);
  const int widest = *std::max_element(lineWidths.begin(), lineWidths.end());
  return {start.left, start.top, start.left + widest,
          start.top + kLineHeight * static_cast<int>(lineWidths.size())};
}

}  // namespace vorlane
