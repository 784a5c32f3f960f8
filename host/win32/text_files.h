#pragma once

#include "host/text_files.h"

namespace vorlane::win32 {

// Files opened for one operation and closed again, shared for reading and
// writing while open, so the other program can read or append in between.
class Win32TextFiles final : public TextFiles {
 public:
  OpenedText openForReading(const std::string& path) override;
  bool truncate(const std::string& path) override;
  bool append(const std::string& path, std::string_view text) override;
};

}  // namespace vorlane::win32
