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

// A whole number of the type's range, else the fallback.
template <typename Integer>
Integer readInRange(const PropertyBag& bag, std::string_view key, Integer fallback) {
  const auto text = bag.read(key);
  const auto number = text ? parseInteger(*text) : std::nullopt;
  if (!number || *number < static_cast<long long>(std::numeric_limits<Integer>::min()) ||
      *number > static_cast<long long>(std::numeric_limits<Integer>::max())) {
    return fallback;
  }
  return static_cast<Integer>(*number);
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
  const auto found = values_.find(key);
  if (found != values_.end()) {
    values_.erase(found);
  }
}

bool PropertyBag::contains(std::string_view key) const {
  return values_.find(key) != values_.end();
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

std::int32_t PropertyBag::readInt(std::string_view key, std::int32_t fallback) const {
  return readInRange(*this, key, fallback);
}

std::uint32_t PropertyBag::readUnsigned(std::string_view key, std::uint32_t fallback) const {
  return readInRange(*this, key, fallback);
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

void PropertyBag::writeBool(std::string_view key, bool value, bool fallback) {
  writeUnlessDefault(*this, key, value == fallback, value ? "True" : "False");
}

void PropertyBag::writeInt(std::string_view key, std::int32_t value, std::int32_t fallback) {
  writeUnlessDefault(*this, key, value == fallback, std::to_string(value));
}

void PropertyBag::writeUnsigned(std::string_view key, std::uint32_t value, std::uint32_t fallback) {
  writeUnlessDefault(*this, key, value == fallback, std::to_string(value));
}

void PropertyBag::writeDouble(std::string_view key, double value, double fallback) {
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value);
  writeUnlessDefault(*this, key, value == fallback, text);
}

void PropertyBag::writeString(std::string_view key, std::string_view value,
                              std::string_view fallback) {
  writeUnlessDefault(*this, key, value == fallback, std::string(value));
}

}  // namespace vorlane
