#include "host/property_bag.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace vorlane {

namespace {

// Parses the whole text as a number; anything else (blanks, junk, overflow) is
// not a number, so the caller falls back to the default.
std::optional<long long> parseInteger(const std::string& text) {
  if (text.empty()) {
    return std::nullopt;
  }
  errno = 0;
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0') {
    return std::nullopt;
  }
  return value;
}

// A value equal to its default is left out of the bag.
void writeUnlessDefault(PropertyBag& bag, std::string_view key, bool isDefault, std::string text) {
  if (isDefault) {
    bag.remove(key);
  } else {
    bag.write(key, std::move(text));
  }
}

}  // namespace

std::optional<std::string> PropertyBag::read(std::string_view key) const {
  const auto found = values_.find(key);
  if (found == values_.end()) {
    return std::nullopt;
  }
  return found->second;
}

void PropertyBag::write(std::string_view key, std::string value) {
  values_.insert_or_assign(std::string(key), std::move(value));
}

void PropertyBag::remove(std::string_view key) {
  if (const auto found = values_.find(key); found != values_.end()) {
    values_.erase(found);
  }
}

bool PropertyBag::readBool(std::string_view key, bool fallback) const {
  const auto text = read(key);
  if (!text) {
    return fallback;
  }
  if (*text == "True" || *text == "true") {
    return true;
  }
  if (*text == "False" || *text == "false") {
    return false;
  }
  const auto number = parseInteger(*text);
  return number ? *number != 0 : fallback;
}

// A whole number within the 32-bit range, else the fallback.
std::int32_t PropertyBag::readInt(std::string_view key, std::int32_t fallback) const {
  const auto text = read(key);
  const auto number = text ? parseInteger(*text) : std::nullopt;
  if (!number || *number < std::numeric_limits<std::int32_t>::min() ||
      *number > std::numeric_limits<std::int32_t>::max()) {
    return fallback;
  }
  return static_cast<std::int32_t>(*number);
}

double PropertyBag::readDouble(std::string_view key, double fallback) const {
  const auto text = read(key);
  if (!text || text->empty()) {
    return fallback;
  }
  char* end = nullptr;
  const double value = std::strtod(text->c_str(), &end);
  return *end == '\0' ? value : fallback;
}

std::string PropertyBag::readString(std::string_view key, std::string_view fallback) const {
  const auto text = read(key);
  return text ? *text : std::string(fallback);
}

void PropertyBag::writeInt(std::string_view key, std::int32_t value, std::int32_t fallback) {
  writeUnlessDefault(*this, key, value == fallback, std::to_string(value));
}

void PropertyBag::writeDouble(std::string_view key, double value, double fallback) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  writeUnlessDefault(*this, key, value == fallback, text);
}

}  // namespace vorlane
