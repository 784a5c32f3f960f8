#pragma once

#include <string>

#include "host/memory_status.h"

namespace vorlane::win32 {

// GlobalMemoryStatusEx where the system has it, else GlobalMemoryStatus. The
// file VORLANE_MEMORY_FILE names (diagnostics.h) is read again at every read;
// one that is missing or malformed leaves the real figures.
class Win32MemoryStatusSource final : public MemoryStatusSource {
 public:
  Win32MemoryStatusSource();
  explicit Win32MemoryStatusSource(std::string overrideFile)
      : overrideFile_(std::move(overrideFile)) {}

  MemoryStatus read() override;

 private:
  std::string overrideFile_;
};

}  // namespace vorlane::win32
