#pragma once

#include <string>
#include <string_view>

namespace vorlane {

// The folder files beside the program are addressed from: a drive root
// ("C:\") stays as it is, any other folder ("C:\Apps") gets one backslash.
std::string progfolder(std::string_view folderText);

// The platform's folder text of a program at `modulePath`: everything before
// the last backslash, except that a drive root keeps its backslash ("C:\x.exe"
// gives "C:\", "C:\Apps\x.exe" gives "C:\Apps"). A path without a backslash
// has no folder text ("").
std::string folderText(std::string_view modulePath);

}  // namespace vorlane
