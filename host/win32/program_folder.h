#pragma once

#include <windows.h>

#include <string>

#include "host/program_folder.h"
#include "host/win32/wide_text.h"

namespace vorlane::win32 {

// The full path of the running exe, however long, as UTF-8.
inline std::string modulePath() {
  // GetModuleFileNameW truncates silently when the buffer is too small: grow
  // until the path fits with room to spare.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) {
      return {};
    }
    if (length < path.size() - 1) {
      path.resize(length);
      return toUtf8(path);
    }
    if (path.size() >= 65536) {
      return {};
    }
    path.resize(path.size() * 2);
  }
}

// The running program's folderText ("C:\", "C:\Apps").
inline std::string programFolderText() { return folderText(modulePath()); }

}  // namespace vorlane::win32
