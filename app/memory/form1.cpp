#include "app/memory/form1.h"

#include <array>
#include <charconv>
#include <utility>

#include "app/memory/memory_watch.h"

namespace vorlane {

std::string generalNumberText(double value, std::string_view decimalSeparator) {
  // Fifteen significant digits is what a double always holds exactly; the
  // general form drops trailing zeros and switches to exponent form below
  // 0.0001 and from 1E+15 on. to_chars is locale-independent, so the separator
  // is put in here and nowhere else.
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 15);
  std::string text;
  for (const char* c = buffer.data(); c != result.ptr; ++c) {
    if (*c == '.') {
      text += decimalSeparator;
    } else if (*c == 'e') {
      text += 'E';
    } else {
      text += *c;
    }
  }
  return text;
}

Form1::Form1(MemoryStatusSource& memory, frmmsg& popup, RamClearing& clearer,
             std::function<std::string()> decimalSeparator)
    : memory_(memory),
      popup_(popup),
      clearer_(clearer),
      decimalSeparator_(std::move(decimalSeparator)) {}

void Form1::Command1_Click() {
  const double megabytes =
      static_cast<double>(memory_.read().totalPhysBytes) / MemoryWatch::kBytesPerMegabyte;
  popup_.showmsg(generalNumberText(megabytes, decimalSeparator_()));
}

void Form1::Command2_Click() {
  std::int32_t megabytes = kClearMegabytes;
  clearer_.clearram(megabytes);
}

}  // namespace vorlane
