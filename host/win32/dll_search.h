#pragma once

namespace vorlane::win32 {

// Called first in each WinMain: DLLs loaded by name come from the system
// folder, never from the program's or the current folder, where anyone who can
// drop a file (a download folder, say) could plant one.
void restrictDllSearchPath();

}  // namespace vorlane::win32
