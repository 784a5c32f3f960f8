#pragma once

#include <string>

#include "host/win32/handles.h"

namespace vorlane::win32 {

// The previous-instance test: a named mutex per program and account (its SID),
// held for as long as this object lives (the process's life, when WinMain
// keeps it). Vorlane and the logger pass different program names.
class SingleInstance {
 public:
  explicit SingleInstance(const std::string& programName);

  // True when another process of the same program and account held the name
  // first, also when it holds it where this process may not open it.
  bool previousInstance() const { return previous_; }
  static std::string mutexName(const std::string& programName);

 private:
  UniqueKernelHandle mutex_;
  bool previous_ = false;
};

}  // namespace vorlane::win32
