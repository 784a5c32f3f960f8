#include "host/win32/single_instance.h"

#include <windows.h>

namespace vorlane::win32 {

std::string SingleInstance::mutexName(const std::string& programName) {
  // The user name keeps users apart; "Local\" keeps the name in the session's
  // own namespace. Backslashes are the only characters a name may not hold.
  char user[257] = {};
  DWORD size = sizeof user;
  std::string userName = ::GetUserNameA(user, &size) ? std::string(user) : std::string("unknown");
  std::string name = "Local\\vorlane-" + programName + "-" + userName;
  for (std::size_t i = 6; i < name.size(); ++i) {
    if (name[i] == '\\') {
      name[i] = '_';
    }
  }
  return name;
}

SingleInstance::SingleInstance(const std::string& programName) {
  mutex_.reset(::CreateMutexA(nullptr, FALSE, mutexName(programName).c_str()));
  previous_ = mutex_ && ::GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace vorlane::win32
