#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/win32/handles.h"

namespace vorlane::win32::testing {

using Environment = std::vector<std::pair<std::string, std::string>>;

// Runs this test exe again, only the tests `filter` names, with `environment`
// added, serving this thread's messages meanwhile (the child may send to our
// windows). Its exit code, or -1 when it did not start or ran over the timeout.
int runSelf(const std::string& filter, const Environment& environment,
            unsigned timeoutMilliseconds = 30000);

// Held by tests that show topmost windows or send real input, so that test
// processes run side by side take turns with the one desktop.
class DesktopLock {
 public:
  DesktopLock();
  ~DesktopLock() { ::ReleaseMutex(mutex_.get()); }

 private:
  UniqueKernelHandle mutex_;
};

// "" when unset.
std::string environmentValue(const char* name);

}  // namespace vorlane::win32::testing
