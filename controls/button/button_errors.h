#pragma once

#include <exception>

namespace vorlane {

// The errors a host sees from the button's checks. Our own types rather than
// std::overflow_error and std::invalid_argument: those carry the runtime's
// copy-on-write string class, some 50 KB of the x86 exe, for a fixed message.
class ButtonError : public std::exception {
 public:
  explicit ButtonError(const char* message) : message_(message) {}
  const char* what() const noexcept override { return message_; }

 private:
  const char* message_;
};

// A number outside the range of the type it goes into.
class ValueOverflow final : public ButtonError {
  using ButtonError::ButtonError;
};

// A value in range that the property does not take.
class InvalidPropertyValue final : public ButtonError {
  using ButtonError::ButtonError;
};

}  // namespace vorlane
