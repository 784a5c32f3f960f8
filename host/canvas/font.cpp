#include "host/canvas/font.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace vorlane {

std::string fontToText(const Font& font) {
  char size[32];
  std::snprintf(size, sizeof size, "%.15g", font.size);
  return font.face + "|" + size + "|" + (font.bold ? "1" : "0") + "|" + (font.italic ? "1" : "0") +
         "|" + (font.underline ? "1" : "0");
}

Font fontFromText(const std::string& text, const Font& fallback) {
  std::vector<std::string> fields(1);
  for (const char c : text) {
    if (c == '|') {
      fields.emplace_back();
      continue;
    }
    fields.back() += c;
  }
  if (fields.size() != 5 || fields[0].empty()) {
    return fallback;
  }
  char* end = nullptr;
  const double size = std::strtod(fields[1].c_str(), &end);
  if (fields[1].empty() || *end != '\0' || !(size > 0.0) || size > 1638.0) {
    return fallback;
  }
  for (std::size_t i = 2; i < 5; ++i) {
    if (fields[i] != "0" && fields[i] != "1") {
      return fallback;
    }
  }
  return Font{fields[0], size, fields[2] == "1", fields[3] == "1", fields[4] == "1"};
}

}  // namespace vorlane
