#pragma once

#include "app/memory/general_number.h"
#include "app/memory/ram_clearer.h"
#include "host/memory_status.h"
#include "host/twips.h"
#include "popup/frmmsg.h"

namespace vorlane {

// The diagnostic form's window: sizable, placed where the system places new
// windows, two standard push buttons routed to Command1_Click, Command2_Click.
struct Form1Layout {
  static constexpr const char* kCaption = "Form1";
  static constexpr int kClientWidth = 4680;
  static constexpr int kClientHeight = 3090;
  static constexpr const char* kCommand2Caption = "Command2";
  static constexpr TwipsRect kCommand2{840, 480, 1695, 735};
  static constexpr const char* kCommand1Caption = "Command1";
  static constexpr TwipsRect kCommand1{2160, 1320, 975, 855};
};

// The diagnostic form's decisions; nothing in the program opens it.
class Form1 {
 public:
  static constexpr std::int32_t kClearMegabytes = 10;

  Form1(MemoryStatusSource& memory, frmmsg& popup, RamClearing& clearer,
        const UserNumberFormat& numberFormat);

  // Shows the total physical memory, divided by 1048567, and waits for "Close".
  void Command1_Click();
  // Clears 10 MB: 11 blocks.
  void Command2_Click();

 private:
  MemoryStatusSource& memory_;
  frmmsg& popup_;
  RamClearing& clearer_;
  const UserNumberFormat& numberFormat_;
};

// The text Command1 shows for a total of `totalPhysBytes` bytes.
std::string totalMemoryText(std::uint64_t totalPhysBytes, std::string_view decimalSeparator);

}  // namespace vorlane
