#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlane {

// Sequential text files, opened for the moment of one operation.
class TextFiles {
 public:
  virtual ~TextFiles() = default;
  // The whole content, or nothing when the file cannot be opened for reading.
  virtual std::optional<std::string> readAll(const std::string& path) = 0;
  // Creates the file empty, or cuts it to zero length.
  virtual bool truncate(const std::string& path) = 0;
  // Appends `text` at the end, creating the file if missing. False when the file
  // cannot be opened or fully written.
  virtual bool append(const std::string& path, std::string_view text) = 0;
};

}  // namespace vorlane
