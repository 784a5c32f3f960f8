#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vorlane {

// A file open for reading from its start, read piece by piece, so that what a
// reader holds does not grow with the file. Closed when the object goes.
class TextReader {
 public:
  virtual ~TextReader() = default;
  // Fills `buffer` with up to `capacity` next bytes and says how many: 0 at
  // the end of the file, nothing when reading fails.
  virtual std::optional<std::size_t> read(char* buffer, std::size_t capacity) = 0;
};

// Why a file could not be opened for reading.
enum class OpenFailure {
  None,
  Missing,      // the file or a folder on its path is not there
  Unavailable,  // there, but held without sharing, refused, or any other refusal
};

struct OpenedText {
  std::unique_ptr<TextReader> reader;  // null when `failure` is not None
  OpenFailure failure = OpenFailure::None;
};

// Sequential text files, opened for the moment of one operation.
class TextFiles {
 public:
  virtual ~TextFiles() = default;
  // Opens the file for reading while others may read and write it too.
  virtual OpenedText openForReading(const std::string& path) = 0;
  // Creates the file empty, or cuts it to zero length.
  virtual bool truncate(const std::string& path) = 0;
  // Appends `text` at the end, creating the file if missing. False when the file
  // cannot be opened or fully written.
  virtual bool append(const std::string& path, std::string_view text) = 0;
};

}  // namespace vorlane
