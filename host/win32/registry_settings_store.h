#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/settings_store.h"

namespace vorlane::win32 {

// The settings as REG_SZ values under HKEY_CURRENT_USER\<key>, by default
// Software\vorlane\settings. A value that is missing, or not a string, reads
// as missing. Every key opened is closed again on every path.
class RegistrySettingsStore final : public SettingsStore {
 public:
  static constexpr const char* kSettingsKey = "Software\\vorlane\\settings";

  explicit RegistrySettingsStore(std::string key = kSettingsKey) : key_(std::move(key)) {}

  std::optional<std::string> read(std::string_view name) override;
  bool write(std::string_view name, std::string_view value) override;

 private:
  std::string key_;
};

}  // namespace vorlane::win32
