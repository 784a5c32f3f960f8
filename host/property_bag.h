#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vorlane {

// The per-control property store: named values kept as text with the form that
// hosts the control. Writing a value equal to its default leaves the key out,
// and reading an absent key gives the default.
class PropertyBag {
 public:
  std::optional<std::string> read(std::string_view key) const;
  void write(std::string_view key, std::string value);
  void remove(std::string_view key);
  const std::map<std::string, std::string, std::less<>>& values() const { return values_; }

  bool readBool(std::string_view key, bool fallback) const;
  std::int32_t readInt(std::string_view key, std::int32_t fallback) const;
  double readDouble(std::string_view key, double fallback) const;
  std::string readString(std::string_view key, std::string_view fallback) const;

  void writeInt(std::string_view key, std::int32_t value, std::int32_t fallback);
  void writeDouble(std::string_view key, double value, double fallback);

 private:
  std::map<std::string, std::string, std::less<>> values_;
};

}  // namespace vorlane
