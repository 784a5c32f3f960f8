// The standard library's internal throw helpers, as our exes have them. The
// runtime's own versions throw std::logic_error and its kin, whose copy-on-write
// message strings bring in a second string class, some 50 KB of every exe on
// x86. Ours throw the same std::bad_alloc, std::bad_cast and the like; the
// checks that carry a message (a string grown past its maximum, an index out of
// range) are programming errors, and throw a std::exception with that message,
// caught wherever any exception is. The link takes these definitions instead of
// the runtime's by naming one of them undefined up front (see CMakeLists.txt).
#include <exception>
#include <new>
#include <typeinfo>

namespace {

class LibraryCheckFailed final : public std::exception {
 public:
  explicit LibraryCheckFailed(const char* message) : message_(message) {}
  const char* what() const noexcept override { return message_; }

 private:
  const char* message_;
};

}  // namespace

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_bad_exception() { throw bad_exception(); }
void __throw_logic_error(const char* message) { throw LibraryCheckFailed(message); }
void __throw_domain_error(const char* message) { throw LibraryCheckFailed(message); }
void __throw_invalid_argument(const char* message) { throw LibraryCheckFailed(message); }
void __throw_length_error(const char* message) { throw LibraryCheckFailed(message); }
void __throw_out_of_range(const char* message) { throw LibraryCheckFailed(message); }
void __throw_out_of_range_fmt(const char* format, ...) { throw LibraryCheckFailed(format); }
void __throw_runtime_error(const char* message) { throw LibraryCheckFailed(message); }
void __throw_range_error(const char* message) { throw LibraryCheckFailed(message); }
void __throw_overflow_error(const char* message) { throw LibraryCheckFailed(message); }
void __throw_underflow_error(const char* message) { throw LibraryCheckFailed(message); }

}  // namespace std
