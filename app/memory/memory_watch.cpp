#include "app/memory/memory_watch.h"

#include <algorithm>
#include <limits>

#include "host/rounding.h"

namespace vorlane {

std::int32_t megabytesToClear(double freePercent, std::int32_t learnedPercent,
                              std::uint64_t totalPhysBytes) {
  const double total = static_cast<double>(totalPhysBytes);
  const double freeBytes = freePercent / 100.0 * total;
  const double learnedBytes = static_cast<double>(learnedPercent) / 100.0 * total;
  const std::int64_t megabytes =
      roundHalfEven((learnedBytes - freeBytes) / MemoryWatch::kBytesPerMegabyte);
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(megabytes, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()));
}

MemoryWatch::MemoryWatch(TimerService& timers, MemoryStatusSource& memory, ProgramState& state,
                         RamClearing& clearer)
    : memory_(memory),
      state_(state),
      clearer_(clearer),
      Timer1_(timers.createTimer(kTimer1Interval, false, [this] { Timer1_Timer(); })),
      Timer2_(timers.createTimer(kTimer2Interval, false, [this] { Timer2_Timer(); })) {}

void MemoryWatch::startWatch() {
  Timer1_->setEnabled(true);
  Timer2_->setEnabled(true);
}

void MemoryWatch::Timer1_Timer() {
  ++state_.tickcount;
  if (state_.tickcount < kTicksPerCheck) {
    return;
  }
  // Reset first: Timer2 needs seven ticks, so it stays out of this clearing.
  state_.tickcount = 0;
  const MemoryStatus status = memory_.read();
  const double freeNow = freePercent(status);
  if (state_.learnedfree < freeNow || clearer_.clearing()) {
    return;
  }
  std::int32_t megabytes = megabytesToClear(freeNow, state_.learnedfree, status.totalPhysBytes);
  clearer_.clearram(megabytes);
}

void MemoryWatch::Timer2_Timer() {
  const double freeNow = freePercent(memory_.read());
  if (!(freeNow < kEmergencyPercent && state_.tickcount >= kTicksBeforeEmergency) ||
      clearer_.clearing()) {
    return;
  }
  std::int32_t megabytes = kEmergencyMegabytes;
  clearer_.clearram(megabytes);
  state_.tickcount = 0;
}

}  // namespace vorlane
