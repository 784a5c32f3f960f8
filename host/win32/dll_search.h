#pragma once

#include <windows.h>

#include "host/win32/handles.h"

namespace vorlane::win32 {

// Called first in each WinMain: DLLs loaded by name come from the system
// folder, never from the program's or the current folder, where anyone who can
// drop a file (a download folder, say) could plant one.
inline void restrictDllSearchPath() {
  // Windows 8 on, and Windows 7 or Vista with KB2533623: only the system
  // folder (LOAD_LIBRARY_SEARCH_SYSTEM32, not in older SDK headers).
  constexpr DWORD kSearchSystem32 = 0x00000800;
  const auto setDefault = kernelFunction<BOOL(WINAPI*)(DWORD)>("SetDefaultDllDirectories");
  if (setDefault != nullptr && setDefault(kSearchSystem32)) {
    return;
  }
  // XP SP1 on: at least the current folder leaves the search. Before SP1
  // neither call exists, and the system's own order is all there is.
  if (const auto setDirectory = kernelFunction<BOOL(WINAPI*)(LPCWSTR)>("SetDllDirectoryW")) {
    setDirectory(L"");
  }
}

}  // namespace vorlane::win32
