#pragma once

#include <stdexcept>

namespace vorlane {

// A window, the pop-up or a timer that the program cannot go on without could
// not be made. It is not one of the failures that lead to the first-use
// greeting (that needs the pop-up, and the greeting would leave an invisible
// program behind): it travels to the program's entry, which tells the user
// what failed and ends, giving up the single-copy lock. The text says what
// failed, in words for the user.
class CreationFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace vorlane
