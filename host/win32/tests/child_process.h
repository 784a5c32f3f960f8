#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/win32/handles.h"

namespace vorlane::win32::testing {

using Environment = std::vector<std::pair<std::string, std::string>>;

// Runs this test exe again as a second process, running only the tests that
// `filter` names, with `environment` added to its environment. This thread's
// messages are served while it runs (the child may send messages to our
// windows). The child's exit code, or -1 when it could not start or ran over
// `timeoutMilliseconds`.
int runSelf(const std::string& filter, const Environment& environment,
            unsigned timeoutMilliseconds = 30000);

// Held by a test that shows topmost windows at the screen centre or sends real
// mouse input, so that test processes run side by side (ctest -j) take turns
// with the one desktop: a named mutex, waited for at construction.
class DesktopLock {
 public:
  DesktopLock();
  DesktopLock(const DesktopLock&) = delete;
  DesktopLock& operator=(const DesktopLock&) = delete;
  ~DesktopLock();

 private:
  UniqueKernelHandle mutex_;
};

// The value of an environment variable, or "" when unset.
std::string environmentValue(const char* name);

}  // namespace vorlane::win32::testing
