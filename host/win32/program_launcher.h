#pragma once

#include "host/program_launcher.h"

namespace vorlane::win32 {

// CreateProcessA by absolute path, no arguments, shown minimised; both handles
// of the new process are closed at once, nothing waits for it.
class Win32ProgramLauncher final : public ProgramLauncher {
 public:
  bool start(const std::string& path) override;
};

}  // namespace vorlane::win32
