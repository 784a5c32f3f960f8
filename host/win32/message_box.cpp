#include "host/win32/message_box.h"

#include <exception>

#include "host/creation_failure.h"
#include "host/win32/wide_text.h"

namespace vorlane::win32 {

int runProgram(int (*program)(), const std::string& title) {
  try {
    return program();
  } catch (const CreationFailure& failure) {
    const std::string text = std::string(failure.what()) + "\r\nThe program cannot go on and ends.";
    ::MessageBoxW(nullptr, widen(text).c_str(), widen(title).c_str(),
                  MB_ICONSTOP | MB_OK | MB_SETFOREGROUND);
  } catch (const std::exception&) {
  }
  return 1;
}

}  // namespace vorlane::win32
