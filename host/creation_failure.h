#pragma once

#include <exception>
#include <string>
#include <utility>

namespace vorlane {

// A window, the pop-up or a timer the program cannot go on without could not
// be made: the program's entry tells the user what failed, in these words, and
// ends. Not a first-use failure (the greeting needs the pop-up). Not a
// std::runtime_error: that would link a second string implementation into the
// logger, some 20 KB.
class CreationFailure : public std::exception {
 public:
  explicit CreationFailure(std::string text) : text_(std::move(text)) {}
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  std::string text_;
};

}  // namespace vorlane
