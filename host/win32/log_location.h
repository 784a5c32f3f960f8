#pragma once

#include <string>

namespace vorlane::win32 {

// The one rule for where log.dat lives, used by both programs so that the
// logger writes where Vorlane reads. Returns the folder, ending in a
// backslash like a progfolder, as UTF-8:
// - the programs' own folder when this process can write a file there
//   (portable use: the folder of its own, a USB stick);
// - otherwise "Vorlane" under the user's local application data, created on
//   demand (Program Files for a standard user, a read-only share or medium);
// - the programs' folder again when even that cannot be had.
std::string logFolder();

}  // namespace vorlane::win32
