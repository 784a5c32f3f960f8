#pragma once

#include <string>

namespace vorlane::win32 {

// Where log.dat lives, for both programs, as a UTF-8 progfolder:
// - the programs' own folder when this process can write a file there
//   (portable use: the folder of its own, a USB stick);
// - otherwise "Vorlane" under the user's local application data, created on
//   demand (Program Files for a standard user, a read-only share or medium);
// - the programs' folder again when even that cannot be had.
std::string logFolder();

}  // namespace vorlane::win32
