// What std::terminate does in our exes: end the process at once. The runtime's
// own handler prints the demangled type of an escaping exception to a console
// that a GUI program does not have, and its demangler alone is some 45 KB of
// every exe. The link takes this definition instead of the runtime's by naming
// it undefined up front (see CMakeLists.txt).
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
