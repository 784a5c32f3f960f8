#include "host/win32/log_location.h"

#include <windows.h>

#include "host/program_folder.h"
#include "host/win32/handles.h"
#include "host/win32/program_folder.h"
#include "host/win32/wide_text.h"

namespace vorlane::win32 {

namespace {

constexpr const char* kLogFileName = "log.dat";
constexpr int kLocalAppData = 0x001c;  // CSIDL_LOCAL_APPDATA
constexpr int kCreateFolder = 0x8000;  // CSIDL_FLAG_CREATE

// Only trying tells: an access check misses read-only media and shares. The
// tries change nothing: an existing log is opened as it is, a missing one is
// not created (that means something to Vorlane), and the probe file deletes
// itself when closed.
bool canWriteIn(const std::string& folder) {
  const UniqueFile log(::CreateFileW(widen(folder + kLogFileName).c_str(), GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (log) {
    return true;
  }
  const DWORD error = ::GetLastError();
  if (error == ERROR_SHARING_VIOLATION) {
    return true;  // there and writable, only busy for the moment
  }
  if (error != ERROR_FILE_NOT_FOUND) {
    return false;
  }
  const std::string probe =
      folder + "vorlane-probe-" + std::to_string(::GetCurrentProcessId()) + ".tmp";
  const UniqueFile created(::CreateFileW(
      widen(probe).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
      FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  return static_cast<bool>(created);
}

// The user's local application data folder, or "" where the system cannot
// tell. SHGetFolderPathW is looked up at run time: in shell32 from Windows
// 2000 on, in the shfolder redistributable before.
std::string localAppData() {
  using GetFolderPath = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
  for (const wchar_t* dll : {L"shell32.dll", L"shfolder.dll"}) {
    const UniqueModule module(::LoadLibraryW(dll));
    const auto getFolderPath = runTimeFunction<GetFolderPath>(module.get(), "SHGetFolderPathW");
    wchar_t path[MAX_PATH] = {};
    if (getFolderPath != nullptr &&
        SUCCEEDED(getFolderPath(nullptr, kLocalAppData | kCreateFolder, nullptr, 0, path))) {
      return toUtf8(path);
    }
  }
  return {};
}

}  // namespace

std::string logFolder() {
  const std::string programFolder = progfolder(programFolderText());
  if (canWriteIn(programFolder)) {
    return programFolder;
  }
  const std::string appData = localAppData();
  if (appData.empty()) {
    return programFolder;
  }
  const std::string folder = progfolder(appData) + "Vorlane";
  if (!::CreateDirectoryW(widen(folder).c_str(), nullptr) &&
      ::GetLastError() != ERROR_ALREADY_EXISTS) {
    return programFolder;
  }
  return folder + "\\";
}

}  // namespace vorlane::win32
