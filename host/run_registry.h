#pragma once

#include <memory>
#include <string_view>

namespace vorlane {

// The per-user "Run" key, open for writing; closed when the object goes.
class RunKey {
 public:
  virtual ~RunKey() = default;
  virtual bool setString(std::string_view valueName, std::string_view data) = 0;
  virtual bool deleteValue(std::string_view valueName) = 0;
};

class RunRegistry {
 public:
  virtual ~RunRegistry() = default;
  // Null when the key cannot be opened for writing.
  virtual std::unique_ptr<RunKey> openForWrite() = 0;
};

}  // namespace vorlane
