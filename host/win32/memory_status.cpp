#include "host/win32/memory_status.h"

#include <windows.h>

#include <cstdlib>

#include "host/diagnostics.h"
#include "host/win32/text_files.h"

namespace vorlane::win32 {

namespace {

using GlobalMemoryStatusExFunction = BOOL(WINAPI*)(LPMEMORYSTATUSEX);

GlobalMemoryStatusExFunction findGlobalMemoryStatusEx() {
  HMODULE kernel = ::GetModuleHandleA("kernel32.dll");
  if (kernel == nullptr) {
    return nullptr;
  }
  // The cast through a generic function pointer is how run-time lookups are typed.
  return reinterpret_cast<GlobalMemoryStatusExFunction>(
      reinterpret_cast<void (*)()>(::GetProcAddress(kernel, "GlobalMemoryStatusEx")));
}

}  // namespace

Win32MemoryStatusSource::Win32MemoryStatusSource() {
  if (const char* file = std::getenv("VORLANE_MEMORY_FILE")) {
    overrideFile_ = file;
  }
}

MemoryStatus Win32MemoryStatusSource::readSystem() {
  static const GlobalMemoryStatusExFunction statusEx = findGlobalMemoryStatusEx();
  MemoryStatus status;
  if (statusEx != nullptr) {
    MEMORYSTATUSEX figures = {};
    figures.dwLength = sizeof figures;
    if (statusEx(&figures)) {
      status.totalPhysBytes = figures.ullTotalPhys;
      status.availPhysBytes = figures.ullAvailPhys;
      return status;
    }
  }
  MEMORYSTATUS figures = {};
  figures.dwLength = sizeof figures;
  ::GlobalMemoryStatus(&figures);
  status.totalPhysBytes = figures.dwTotalPhys;
  status.availPhysBytes = figures.dwAvailPhys;
  return status;
}

MemoryStatus Win32MemoryStatusSource::read() {
  if (!overrideFile_.empty()) {
    Win32TextFiles files;
    if (const auto text = files.readAll(overrideFile_)) {
      if (const auto figures = parseMemoryFigures(*text)) {
        return *figures;
      }
    }
  }
  return readSystem();
}

}  // namespace vorlane::win32
