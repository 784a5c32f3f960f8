#pragma once

#include <exception>
#include <string>
#include <utility>

namespace vorlane {

// A window, the pop-up or a timer that the program cannot go on without could
// not be made. It is not one of the failures that lead to the first-use
// greeting (that needs the pop-up, and the greeting would leave an invisible
// program behind): it travels to the program's entry, which tells the user
// what failed and ends, giving up the single-copy lock. The text says what
// failed, in words for the user. Not a std::runtime_error: that would link the
// runtime's second string implementation into the logger, some 20 KB.
class CreationFailure : public std::exception {
 public:
  explicit CreationFailure(std::string text) : text_(std::move(text)) {}
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  std::string text_;
};

}  // namespace vorlane
