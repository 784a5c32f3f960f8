#pragma once

#include <memory>
#include <string>

#include "host/memory_status.h"
#include "host/text_files.h"
#include "host/timer.h"

namespace vorlane {

// What the logger program does once it knows it is the only copy running: it
// empties its log, then appends one free-memory sample per tick.
class LoggerCore {
 public:
  static constexpr unsigned kTickMilliseconds = 60000;
  static constexpr const char* kLogFileName = "log.dat";

  // `logPath` is log.dat where both programs find it (host/win32/log_location.h).
  LoggerCore(std::string logPath, MemoryStatusSource& memory, TextFiles& files,
             TimerService& timers);

  // Empties the log and enables Timer1; false when the log could not be emptied.
  // Sampling starts all the same: a log only appended to still teaches the main
  // program something, a silent logger nothing.
  bool start();

  // One tick of Timer1: appends the memory status as one line. A sample that
  // cannot be written is skipped; what the log holds is never cut.
  void tick();

 private:
  MemoryStatusSource& memory_;
  TextFiles& files_;
  std::string logPath_;
  std::unique_ptr<Timer> Timer1_;
};

}  // namespace vorlane
