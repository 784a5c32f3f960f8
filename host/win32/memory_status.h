#pragma once

#include <string>

#include "host/memory_status.h"

namespace vorlane::win32 {

// The machine's physical memory as 64-bit byte counts: GlobalMemoryStatusEx,
// looked up at run time, or GlobalMemoryStatus where it is missing. For
// end-to-end runs, VORLANE_MEMORY_FILE (read when the source is made) names a
// text file "totalBytes availBytes" that is read again at every read and
// replaces the real figures; a file that is missing or malformed leaves them.
class Win32MemoryStatusSource final : public MemoryStatusSource {
 public:
  Win32MemoryStatusSource();
  explicit Win32MemoryStatusSource(std::string overrideFile)
      : overrideFile_(std::move(overrideFile)) {}

  MemoryStatus read() override;
  // The system's figures, without the override.
  static MemoryStatus readSystem();

 private:
  std::string overrideFile_;
};

}  // namespace vorlane::win32
