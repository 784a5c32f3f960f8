#include "host/win32/program_folder.h"

#include <windows.h>

#include "host/program_folder.h"

namespace vorlane::win32 {

std::string modulePath() {
  // GetModuleFileNameA truncates silently when the buffer is too small: grow
  // until the path fits with room to spare.
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) {
      return {};
    }
    if (length < path.size() - 1) {
      path.resize(length);
      return path;
    }
    if (path.size() >= 65536) {
      return {};
    }
    path.resize(path.size() * 2);
  }
}

std::string programFolderText() { return folderText(modulePath()); }

}  // namespace vorlane::win32
