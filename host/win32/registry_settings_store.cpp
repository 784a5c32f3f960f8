#include "host/win32/registry_settings_store.h"

#include <windows.h>

#include <algorithm>

#include "host/win32/handles.h"

namespace vorlane::win32 {

std::optional<std::string> RegistrySettingsStore::read(std::string_view name) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_QUERY_VALUE, &opened) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  const UniqueKey key(opened);
  const std::string valueName(name);
  // The first call asks the size; the value may grow before the next one, so
  // it is asked again with the size the refusal gives.
  std::string data;
  DWORD type = 0;
  DWORD size = 0;
  LONG result = ERROR_MORE_DATA;
  for (int attempt = 0; attempt < 4 && result == ERROR_MORE_DATA; ++attempt) {
    data.resize(size);
    result = ::RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type,
                                reinterpret_cast<BYTE*>(data.data()), &size);
  }
  if (result != ERROR_SUCCESS || type != REG_SZ) {
    return std::nullopt;
  }
  // Up to the NUL stored strings carry; one written without (by another
  // program) is taken as it is.
  data.resize(std::min<std::size_t>(size, data.find('\0')));
  return data;
}

bool RegistrySettingsStore::write(std::string_view name, std::string_view value) {
  HKEY created = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &created, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const UniqueKey key(created);
  const std::string valueName(name);
  const std::string data(value);
  return ::RegSetValueExA(key.get(), valueName.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace vorlane::win32
