#include "host/accessible.h"

#include <algorithm>
#include <cctype>

#include "host/rounding.h"

namespace vorlane {

std::string textWithoutAccessMarks(const std::string& caption) {
  std::string text;
  text.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      ++i;  // the marked character, or the second "&" of a literal one
    }
    text += caption[i];
  }
  return text;
}

std::string accessKeyShortcut(char key) {
  if (key == '\0') {
    return {};
  }
  return std::string("Alt+") + static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
}

std::string percentText(double value, double min, double max) {
  double percent = 0;
  if (max <= min) {
    percent = value >= max ? 100 : 0;
  } else {
    percent = std::clamp((value - min) / (max - min) * 100, 0.0, 100.0);
  }
  return std::to_string(roundHalfEven(percent)) + "%";
}

}  // namespace vorlane
