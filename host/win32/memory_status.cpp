#include "host/win32/memory_status.h"

#include <windows.h>

#include <cstdlib>
#include <string>

#include "host/diagnostics.h"
#include "host/win32/handles.h"
#include "host/win32/wide_text.h"

namespace vorlane::win32 {

namespace {

// At most one byte past the bound, from a file on disk only: a pipe or a
// device named by the switch could block the program or never end. Empty when
// the file cannot be read.
std::string readBounded(const std::string& path) {
  const UniqueFile file(::CreateFileW(widen(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file || ::GetFileType(file.get()) != FILE_TYPE_DISK) {
    return {};
  }
  std::string text(kMemoryFileMaxBytes + 1, '\0');
  DWORD got = 0;
  if (!::ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &got, nullptr)) {
    return {};
  }
  text.resize(got);
  return text;
}

MemoryStatus readSystem() {
  static const auto statusEx =
      kernelFunction<BOOL(WINAPI*)(LPMEMORYSTATUSEX)>("GlobalMemoryStatusEx");
  if (statusEx != nullptr) {
    MEMORYSTATUSEX figures = {};
    figures.dwLength = sizeof figures;
    if (statusEx(&figures)) {
      return {figures.ullTotalPhys, figures.ullAvailPhys};
    }
  }
  MEMORYSTATUS figures = {};
  figures.dwLength = sizeof figures;
  ::GlobalMemoryStatus(&figures);
  return {figures.dwTotalPhys, figures.dwAvailPhys};
}

}  // namespace

Win32MemoryStatusSource::Win32MemoryStatusSource() {
  if (const char* file = std::getenv("VORLANE_MEMORY_FILE")) {
    overrideFile_ = file;
  }
}

MemoryStatus Win32MemoryStatusSource::read() {
  if (!overrideFile_.empty()) {
    if (const auto figures = parseMemoryFigures(readBounded(overrideFile_))) {
      return *figures;
    }
  }
  return readSystem();
}

}  // namespace vorlane::win32
