#include "host/win32/dll_search.h"

#include <windows.h>

namespace vorlane::win32 {

namespace {

// Not in older SDK headers; the value is fixed by the system.
constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32

template <typename Function>
Function kernelFunction(const char* name) {
  HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  if (kernel == nullptr) {
    return nullptr;
  }
  // The cast through a generic function pointer is how run-time lookups are typed.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(kernel, name)));
}

}  // namespace

void restrictDllSearchPath() {
  // Windows 8 on, and Windows 7 or Vista with KB2533623: only the system folder.
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  if (const auto setDefault =
          kernelFunction<SetDefaultDllDirectoriesFunction>("SetDefaultDllDirectories")) {
    if (setDefault(kSearchSystem32)) {
      return;
    }
  }
  // XP SP1 on: at least the current folder leaves the search. Before SP1
  // neither call exists, and the system's own order is all there is.
  using SetDllDirectoryFunction = BOOL(WINAPI*)(LPCWSTR);
  if (const auto setDirectory = kernelFunction<SetDllDirectoryFunction>("SetDllDirectoryW")) {
    setDirectory(L"");
  }
}

}  // namespace vorlane::win32
