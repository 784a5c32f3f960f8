#include "logger/logger_core.h"

#include <utility>

#include "logger/log_format.h"

namespace vorlane {

LoggerCore::LoggerCore(std::string logPath, MemoryStatusSource& memory, TextFiles& files,
                       TimerService& timers)
    : memory_(memory), files_(files), timers_(timers), logPath_(std::move(logPath)) {}

bool LoggerCore::start() {
  const bool emptied = files_.truncate(logPath_);
  if (!Timer1_) {
    Timer1_ = timers_.createTimer(kTickMilliseconds, true, [this] { tick(); });
  }
  return emptied;
}

void LoggerCore::tick() {
  const std::string line = formatSample(freePercent(memory_.read()));
  if (!line.empty()) {
    files_.append(logPath_, line + "\r\n");
  }
}

}  // namespace vorlane
