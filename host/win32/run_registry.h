#pragma once

#include <memory>
#include <string>

#include "host/run_registry.h"

namespace vorlane::win32 {

// A key under HKEY_CURRENT_USER (the Run key but in tests), opened for KEY_WRITE.
class Win32RunRegistry final : public RunRegistry {
 public:
  static constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

  explicit Win32RunRegistry(std::string key = kRunKey) : key_(std::move(key)) {}
  std::unique_ptr<RunKey> openForWrite() override;

 private:
  std::string key_;
};

}  // namespace vorlane::win32
