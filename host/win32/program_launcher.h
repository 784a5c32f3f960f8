#pragma once

#include <windows.h>

#include "host/program_launcher.h"
#include "host/win32/handles.h"
#include "host/win32/wide_text.h"

namespace vorlane::win32 {

// CreateProcessW by absolute path (UTF-8), no arguments, shown minimised; both handles
// of the new process are closed at once, nothing waits for it.
class Win32ProgramLauncher final : public ProgramLauncher {
 public:
  bool start(const std::string& path) override {
    if (path.empty()) {
      return false;
    }
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION process = {};
    // The command line is the quoted path alone, so the program sees its own
    // name as its first word and no arguments; CreateProcessW may write to it.
    const std::wstring program = widen(path);
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &process)) {
      return false;
    }
    const UniqueKernelHandle processHandle(process.hProcess);
    const UniqueKernelHandle threadHandle(process.hThread);
    return true;
  }
};

}  // namespace vorlane::win32
