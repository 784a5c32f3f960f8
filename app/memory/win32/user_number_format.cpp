#include "app/memory/win32/user_number_format.h"

#include <windows.h>

#include <array>

namespace vorlane {

std::string userDecimalSeparator() {
  // The setting allows up to three characters plus the terminator.
  std::array<char, 8> buffer{};
  const int length = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer.data(),
                                      static_cast<int>(buffer.size()));
  if (length <= 1) {
    return ".";
  }
  return std::string(buffer.data(), static_cast<std::size_t>(length - 1));
}

}  // namespace vorlane
