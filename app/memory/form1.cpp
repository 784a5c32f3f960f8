#include "app/memory/form1.h"

#include <utility>

#include "app/memory/general_number.h"
#include "app/memory/memory_watch.h"

namespace vorlane {

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
