#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlane {

// The per-user settings of the main program: string values under application
// "vorlane", section "settings". A key never written reads as missing.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> read(std::string_view key) = 0;
  // False when the value could not be stored.
  virtual bool write(std::string_view key, std::string_view value) = 0;
};

}  // namespace vorlane
