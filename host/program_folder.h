#pragma once

#include <string>
#include <string_view>

namespace vorlane {

// The folder files beside the program are addressed from: a drive root
// ("C:\") stays as it is, any other folder ("C:\Apps") gets one backslash.
std::string progfolder(std::string_view folderText);

// Everything before the last backslash of `modulePath` ("" without one), a
// drive root keeping its backslash: "C:\x.exe" gives "C:\", "C:\Apps\x.exe" "C:\Apps".
std::string folderText(std::string_view modulePath);

}  // namespace vorlane
