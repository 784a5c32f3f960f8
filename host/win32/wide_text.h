#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vorlane::win32 {

// Portable code carries paths as UTF-8; every path crosses into Windows through
// the wide-character calls, so a folder name outside the user's ANSI code page
// works. Ill-formed input yields U+FFFD for the bad sequence, never a failure.
std::wstring widen(std::string_view utf8, UINT codePage = CP_UTF8);
std::string toUtf8(std::wstring_view wide);

}  // namespace vorlane::win32
