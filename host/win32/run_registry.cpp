#include "host/win32/run_registry.h"

#include <windows.h>

#include "host/win32/handles.h"
#include "host/win32/wide_text.h"

namespace vorlane::win32 {

namespace {

class Win32RunKey final : public RunKey {
 public:
  explicit Win32RunKey(UniqueKey key) : key_(std::move(key)) {}

  // REG_SZ in UTF-16, so that a path outside the user's ANSI code page stays
  // the path Windows runs; the byte count includes the terminating NUL.
  bool setString(std::string_view valueName, std::string_view data) override {
    const std::wstring name = widen(valueName);
    const std::wstring text = widen(data);
    return ::RegSetValueExW(
               key_.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
               static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }

  bool deleteValue(std::string_view valueName) override {
    return ::RegDeleteValueW(key_.get(), widen(valueName).c_str()) == ERROR_SUCCESS;
  }

 private:
  UniqueKey key_;
};

}  // namespace

std::unique_ptr<RunKey> Win32RunRegistry::openForWrite() {
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, widen(key_).c_str(), 0, KEY_WRITE, &opened) !=
      ERROR_SUCCESS) {
    return nullptr;
  }
  return std::make_unique<Win32RunKey>(UniqueKey(opened));
}

}  // namespace vorlane::win32
