#include "app/startup/truth_value.h"

#include <string>

namespace vorlane {

bool readsAsTruthValue(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  if (lower == "true" || lower == "false") {
    return true;
  }
  // Digits with at most one point, and at least one digit.
  const std::string_view number =
      text.substr(!text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0);
  const std::size_t point = number.find('.');
  return number.find_first_not_of("0123456789.") == std::string_view::npos &&
         number.find('.', point + 1) == std::string_view::npos &&
         number.size() > (point == std::string_view::npos ? 0 : 1);
}

}  // namespace vorlane
