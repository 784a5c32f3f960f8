#include "host/win32/callback_failures.h"

#include <exception>
#include <utility>

namespace vorlane::win32 {

namespace {

std::exception_ptr& parked() {
  static std::exception_ptr failure;
  return failure;
}

}  // namespace

void parkCallbackFailure() noexcept {
  if (!parked()) {
    parked() = std::current_exception();
  }
}

void rethrowParkedFailure() {
  if (parked()) {
    std::rethrow_exception(std::exchange(parked(), nullptr));
  }
}

}  // namespace vorlane::win32
