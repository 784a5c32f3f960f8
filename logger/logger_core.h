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

  // `logPath` is log.dat where both programs find it (host/win32/log_location.h
  // decides). `tickMilliseconds` lets test runs scale the logger's minute.
  LoggerCore(std::string logPath, MemoryStatusSource& memory, TextFiles& files,
             TimerService& timers, unsigned tickMilliseconds = kTickMilliseconds);

  // Empties the log and starts Timer1. Returns false when the log could not be
  // emptied; sampling starts all the same, since a log that is only appended to
  // still teaches the main program something, while a silent logger teaches it
  // nothing.
  bool start();

  // One tick of Timer1: reads the memory status and appends the sample as one
  // line. A sample that cannot be written is skipped (false); the next tick
  // tries again, and what the log holds is never cut.
  bool tick();

  const std::string& logPath() const { return logPath_; }

 private:
  MemoryStatusSource& memory_;
  TextFiles& files_;
  TimerService& timers_;
  unsigned tickMilliseconds_;
  std::string logPath_;
  std::unique_ptr<Timer> Timer1_;
};

}  // namespace vorlane
