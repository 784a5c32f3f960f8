#include "host/win32/single_instance.h"

#include <sddl.h>
#include <windows.h>

#include "host/win32/handles.h"
#include "host/win32/wide_text.h"

namespace vorlane::win32 {

namespace {

// The account's SID as text ("S-1-5-21-..."): unlike the user name, it is the
// same whatever the account is renamed to and tells two accounts of one name
// (a local and a domain one) apart.
std::string accountSid() {
  HANDLE rawToken = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &rawToken)) {
    return {};
  }
  const UniqueKernelHandle token(rawToken);
  // A SID is never longer than SECURITY_MAX_SID_SIZE.
  union {
    TOKEN_USER user;
    unsigned char bytes[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE];
  } buffer;
  DWORD size = 0;
  wchar_t* text = nullptr;
  if (!::GetTokenInformation(token.get(), TokenUser, &buffer, sizeof buffer, &size) ||
      !::ConvertSidToStringSidW(buffer.user.User.Sid, &text)) {
    return {};
  }
  const std::string sid = toUtf8(text);
  ::LocalFree(text);
  return sid;
}

}  // namespace

std::string SingleInstance::mutexName(const std::string& programName) {
  // "Local\" keeps the name in the session's own namespace; the SID keeps
  // accounts apart within it.
  const std::string sid = accountSid();
  return "Local\\vorlane-" + programName + "-" + (sid.empty() ? "unknown" : sid);
}

SingleInstance::SingleInstance(const std::string& programName) {
  mutex_.reset(::CreateMutexW(nullptr, FALSE, widen(mutexName(programName)).c_str()));
  const DWORD error = ::GetLastError();
  // A name another process holds but this one may not open is that program
  // running too (say, elevated): counting it as "no other copy" would start a
  // second logger writing the same log.
  previous_ = mutex_ ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
}

}  // namespace vorlane::win32
