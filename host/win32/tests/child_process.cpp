#include "host/win32/tests/child_process.h"

#include "host/win32/program_folder.h"

namespace vorlane::win32::testing {

DesktopLock::DesktopLock()
    : mutex_(::CreateMutexA(nullptr, FALSE, "Local\\vorlane-tests-desktop")) {
  ::WaitForSingleObject(mutex_.get(), 120000);
}

std::string environmentValue(const char* name) {
  char value[1024] = {};
  const DWORD length = ::GetEnvironmentVariableA(name, value, sizeof value);
  return length < sizeof value ? std::string(value, length) : std::string();
}

int runSelf(const std::string& filter, const Environment& environment,
            unsigned timeoutMilliseconds) {
  for (const auto& [name, value] : environment) {
    ::SetEnvironmentVariableA(name.c_str(), value.c_str());
  }
  const std::string self = modulePath();
  std::string commandLine = "\"" + self + "\" --gtest_filter=" + filter;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  const BOOL started = ::CreateProcessA(self.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                                        0, nullptr, nullptr, &startup, &process);
  for (const auto& entry : environment) {
    ::SetEnvironmentVariableA(entry.first.c_str(), nullptr);
  }
  if (!started) {
    return -1;
  }
  const UniqueKernelHandle processHandle(process.hProcess);
  const UniqueKernelHandle threadHandle(process.hThread);
  const DWORD deadline = ::GetTickCount() + timeoutMilliseconds;
  for (LONG left; (left = static_cast<LONG>(deadline - ::GetTickCount())) > 0;) {
    HANDLE waitOn = processHandle.get();
    if (::MsgWaitForMultipleObjects(1, &waitOn, FALSE, static_cast<DWORD>(left), QS_ALLINPUT) ==
        WAIT_OBJECT_0) {
      DWORD exitCode = 0;
      ::GetExitCodeProcess(processHandle.get(), &exitCode);
      return static_cast<int>(exitCode);
    }
    MSG message = {};
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
  }
  ::TerminateProcess(processHandle.get(), 1);
  return -1;
}

}  // namespace vorlane::win32::testing
