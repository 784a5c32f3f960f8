#pragma once

#include "host/program_launcher.h"

namespace vorlane::win32 {

// CreateProcessW by absolute path (UTF-8), no arguments, shown minimised; both handles
// of the new process are closed at once, nothing waits for it.
class Win32ProgramLauncher final : public ProgramLauncher {
 public:
  bool start(const std::string& path) override;
};

}  // namespace vorlane::win32
