#include "host/win32/text_files.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "host/win32/handles.h"
#include "host/win32/wide_text.h"

namespace vorlane::win32 {

namespace {

UniqueFile openFile(const std::string& path, DWORD access, DWORD disposition) {
  return UniqueFile(::CreateFileW(widen(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

class FileReader final : public TextReader {
 public:
  explicit FileReader(UniqueFile file) : file_(std::move(file)) {}

  std::optional<std::size_t> read(char* buffer, std::size_t capacity) override {
    DWORD got = 0;
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(capacity, 1 << 20));
    if (!::ReadFile(file_.get(), buffer, wanted, &got, nullptr)) {
      return std::nullopt;
    }
    return got;
  }

 private:
  UniqueFile file_;
};

}  // namespace

OpenedText Win32TextFiles::openForReading(const std::string& path) {
  UniqueFile file = openFile(path, GENERIC_READ, OPEN_EXISTING);
  if (!file) {
    const DWORD error = ::GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return {nullptr, missing ? OpenFailure::Missing : OpenFailure::Unavailable};
  }
  return {std::make_unique<FileReader>(std::move(file)), OpenFailure::None};
}

bool Win32TextFiles::truncate(const std::string& path) {
  return static_cast<bool>(openFile(path, GENERIC_WRITE, CREATE_ALWAYS));
}

bool Win32TextFiles::append(const std::string& path, std::string_view text) {
  const UniqueFile file = openFile(path, GENERIC_WRITE, OPEN_ALWAYS);
  if (!file || ::SetFilePointer(file.get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER) {
    return false;
  }
  while (!text.empty()) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(text.size(), 1 << 20));
    if (!::WriteFile(file.get(), text.data(), chunk, &written, nullptr) || written == 0) {
      return false;
    }
    text.remove_prefix(written);
  }
  return true;
}

}  // namespace vorlane::win32
