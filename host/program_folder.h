#pragma once

#include <string>
#include <string_view>

namespace vorlane {

// The folder files beside the program are addressed from: a drive root
// ("C:\") stays as it is, any other folder ("C:\Apps") gets one backslash.
std::string progfolder(std::string_view folderText);

}  // namespace vorlane
