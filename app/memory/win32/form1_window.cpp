#include "app/memory/win32/form1_window.h"

#include <array>

namespace vorlane::win32 {

namespace {

const Font kButtonFont{"MS Sans Serif", 8.25, false};

}  // namespace

std::string userDecimalSeparator() {
  // The setting allows up to three characters plus the terminator.
  std::array<char, 8> buffer{};
  const int length = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer.data(),
                                      static_cast<int>(buffer.size()));
  if (length <= 1) {
    return ".";
  }
  return std::string(buffer.data(), static_cast<std::size_t>(length - 1));
}

// Not topmost, with a taskbar button, sizable.
Form1Window::Form1Window(Form1& logic)
    : Form1_(FormOptions{"Form1", 4680, 3090, ::GetSysColor(COLOR_BTNFACE), false, true, true}),
      Command2_(Form1_, {840, 480, 1695, 735}, "Command2", kButtonFont),
      Command1_(Form1_, {2160, 1320, 975, 855}, "Command1", kButtonFont) {
  Command1_.setOnClick([&logic] { logic.Command1_Click(); });
  Command2_.setOnClick([&logic] { logic.Command2_Click(); });
}

}  // namespace vorlane::win32
