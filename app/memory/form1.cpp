#include "app/memory/form1.h"

#include "app/memory/memory_watch.h"

namespace vorlane {

std::string totalMemoryText(std::uint64_t totalPhysBytes, std::string_view decimalSeparator) {
  return generalNumberText(static_cast<double>(totalPhysBytes) / MemoryWatch::kBytesPerMegabyte,
                           decimalSeparator);
}

Form1::Form1(MemoryStatusSource& memory, frmmsg& popup, RamClearing& clearer,
             const UserNumberFormat& numberFormat)
    : memory_(memory), popup_(popup), clearer_(clearer), numberFormat_(numberFormat) {}

void Form1::Command1_Click() {
  const std::string text =
      totalMemoryText(memory_.read().totalPhysBytes, numberFormat_.decimalSeparator());
  popup_.showmsg(text);
}

void Form1::Command2_Click() {
  std::int32_t megabytes = kClearMegabytes;
  clearer_.clearram(megabytes);
}

}  // namespace vorlane
