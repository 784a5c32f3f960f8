#pragma once

namespace vorlane::win32 {

// Called first in each WinMain: DLLs that the system loads on the program's
// behalf (by name, later) come from the system folder, never from the
// program's folder or the current folder, where anyone who can drop a file
// (a download folder, say) could plant one.
void restrictDllSearchPath();

}  // namespace vorlane::win32
