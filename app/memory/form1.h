#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/memory/ram_clearer.h"
#include "host/memory_status.h"
#include "popup/frmmsg.h"

namespace vorlane {

// The system's general number text of a double: at most 15 significant digits,
// no trailing zeros, no separator for whole numbers, exponent form ("1E+15",
// "1E-05") only from 1E+15 on and below 0.0001, the user's decimal separator.
std::string generalNumberText(double value, std::string_view decimalSeparator);

// The diagnostic form's decisions; nothing in the program opens it.
class Form1 {
 public:
  static constexpr std::int32_t kClearMegabytes = 10;

  // `decimalSeparator` gives the user's decimal separator ("." or ",", say) as
  // the platform keeps it at the moment of asking.
  Form1(MemoryStatusSource& memory, frmmsg& popup, RamClearing& clearer,
        std::function<std::string()> decimalSeparator);

  // Shows the total physical memory, divided by 1048567, and waits for "Close".
  void Command1_Click();
  // Clears 10 MB: 11 blocks.
  void Command2_Click();

 private:
  MemoryStatusSource& memory_;
  frmmsg& popup_;
  RamClearing& clearer_;
  std::function<std::string()> decimalSeparator_;
};

}  // namespace vorlane
