#pragma once

#include <string>

namespace vorlane::win32 {

// The full path of the running exe, however long, as UTF-8.
std::string modulePath();
// The running program's folderText ("C:\", "C:\Apps").
std::string programFolderText();

}  // namespace vorlane::win32
