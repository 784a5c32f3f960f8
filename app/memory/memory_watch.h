#pragma once

#include <cstdint>
#include <memory>

#include "app/memory/ram_clearer.h"
#include "app/program_state.h"
#include "host/memory_status.h"
#include "host/timer.h"

namespace vorlane {

// The memory watch: two message-loop timers that, once started, run for the
// rest of the program's life.
//  - Timer1 (every minute) counts `tickcount` up; on the fifteenth tick it
//    resets the count and, when the free share of physical memory is at or
//    below `learnedfree`, clears the difference in megabytes.
//  - Timer2 (every 30 s) clears 30 MB when less than 5 % is free and at least
//    seven Timer1 ticks have passed since the last reset; then it resets.
// No tick starts a clearing while one runs (its loop turns serve the timers).
class MemoryWatch final {
 public:
  static constexpr unsigned kTimer1Interval = 60000;
  static constexpr unsigned kTimer2Interval = 30000;
  static constexpr std::int32_t kTicksPerCheck = 15;
  static constexpr std::int32_t kTicksBeforeEmergency = 7;
  static constexpr double kEmergencyPercent = 5.0;
  static constexpr std::int32_t kEmergencyMegabytes = 30;
  // The divisor the amounts to clear have always been worked out with: nine
  // bytes short of a mebibyte.
  static constexpr double kBytesPerMegabyte = 1048567.0;

  // Both timers are created disabled; the start controller resets `tickcount`.
  MemoryWatch(TimerService& timers, MemoryStatusSource& memory, ProgramState& state,
              RamClearing& clearer);
  // The timers call back into this object: it stays where it was made.
  MemoryWatch(const MemoryWatch&) = delete;
  MemoryWatch& operator=(const MemoryWatch&) = delete;

  // `startfunction`: enables Timer1, then Timer2; again, it changes nothing.
  void startWatch();

 private:
  void Timer1_Timer();
  void Timer2_Timer();

  MemoryStatusSource& memory_;
  ProgramState& state_;
  RamClearing& clearer_;
  std::unique_ptr<Timer> Timer1_;
  std::unique_ptr<Timer> Timer2_;
};

// Megabytes to clear to bring the free memory from `freePercent` back up to
// `learnedPercent` of `totalPhysBytes`: (Y - X) / 1048567, rounded halves to
// even and clamped to the 32-bit range.
std::int32_t megabytesToClear(double freePercent, std::int32_t learnedPercent,
                              std::uint64_t totalPhysBytes);

}  // namespace vorlane
