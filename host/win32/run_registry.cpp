#include "host/win32/run_registry.h"

#include <windows.h>

#include "host/win32/handles.h"

namespace vorlane::win32 {

namespace {

class Win32RunKey final : public RunKey {
 public:
  explicit Win32RunKey(UniqueKey key) : key_(std::move(key)) {}

  // REG_SZ in the ANSI code page, its byte count including the terminating NUL.
  bool setString(std::string_view valueName, std::string_view data) override {
    const std::string name(valueName);
    const std::string text(data);
    return ::RegSetValueExA(key_.get(), name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
  }

  bool deleteValue(std::string_view valueName) override {
    const std::string name(valueName);
    return ::RegDeleteValueA(key_.get(), name.c_str()) == ERROR_SUCCESS;
  }

 private:
  UniqueKey key_;
};

}  // namespace

std::unique_ptr<RunKey> Win32RunRegistry::openForWrite() {
  HKEY opened = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_WRITE, &opened) != ERROR_SUCCESS) {
    return nullptr;
  }
  return std::make_unique<Win32RunKey>(UniqueKey(opened));
}

}  // namespace vorlane::win32
