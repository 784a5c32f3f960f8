#include "app/startup/truth_value.h"

#include <cstddef>

namespace vorlane {

namespace {

bool equalsIgnoringCase(std::string_view text, std::string_view lowerWord) {
  if (text.size() != lowerWord.size()) {
    return false;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
    if (c != lowerWord[i]) {
      return false;
    }
  }
  return true;
}

bool isDecimalNumber(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    ++i;
  }
  std::size_t digits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') {
      ++digits;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digits > 0;
}

}  // namespace

bool readsAsTruthValue(std::string_view text) {
  return equalsIgnoringCase(text, "true") || equalsIgnoringCase(text, "false") ||
         isDecimalNumber(text);
}

}  // namespace vorlane
