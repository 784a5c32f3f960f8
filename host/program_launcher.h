#pragma once

#include <string>

namespace vorlane {

class ProgramLauncher {
 public:
  virtual ~ProgramLauncher() = default;
  // Starts the program at `path` with no arguments, minimised, and returns at
  // once without waiting for it. False when it could not be started.
  virtual bool start(const std::string& path) = 0;
};

}  // namespace vorlane
