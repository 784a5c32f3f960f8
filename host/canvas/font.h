#pragma once

#include <string>

namespace vorlane {

// A font as the controls describe it; the platform side turns it into a real
// font object at the screen's resolution.
struct Font {
  std::string face = "MS Sans Serif";
  double size = 8.25;  // points, fractional as the font dialog gives them
  bool bold = false;
  bool italic = false;
  bool underline = false;

  friend bool operator==(const Font& a, const Font& b) {
    return a.face == b.face && a.size == b.size && a.bold == b.bold && a.italic == b.italic &&
           a.underline == b.underline;
  }
};

// The font as one line of text for a property bag: "face|size|bold|italic|underline",
// for example "Verdana|8.25|1|0|0". Unreadable text gives `fallback`.
std::string fontToText(const Font& font);
Font fontFromText(const std::string& text, const Font& fallback);

}  // namespace vorlane
