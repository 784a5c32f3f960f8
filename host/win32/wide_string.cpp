// The wide string's members are compiled here, each in a section of its own,
// so the linker keeps only those the program uses. Without this it takes the
// runtime's prebuilt copy of the whole class: some 24 KB in every exe.
#include <string>

template class std::basic_string<wchar_t>;
