#pragma once

#include <string>

namespace vorlane::win32 {

// The full path of the running exe, however long, as UTF-8.
std::string modulePath();
// The platform's folder text of the running program: "C:\" for a drive root,
// "C:\Apps" for any other folder (no trailing backslash).
std::string programFolderText();

}  // namespace vorlane::win32
