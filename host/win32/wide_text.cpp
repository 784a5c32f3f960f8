#include "host/win32/wide_text.h"

// The wide string's members are compiled here, each in a section of its own,
// so the linker keeps only those the program uses. Without this it takes the
// runtime's prebuilt copy of the whole class: some 24 KB in every exe.
template class std::basic_string<wchar_t>;

namespace vorlane::win32 {

// Empty text converts to 0 characters, which the calls count as a failure:
// the result is empty all the same.
std::wstring widen(std::string_view text, UINT codePage) {
  const auto length = static_cast<int>(text.size());
  const int needed = ::MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
  return wide;
}

std::string toUtf8(std::wstring_view wide) {
  const auto length = static_cast<int>(wide.size());
  const int needed =
      ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(needed), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), needed, nullptr, nullptr);
  return utf8;
}

}  // namespace vorlane::win32
