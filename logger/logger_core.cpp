#include "logger/logger_core.h"

#include <utility>

#include "logger/log_format.h"

namespace vorlane {

LoggerCore::LoggerCore(std::string logPath, MemoryStatusSource& memory, TextFiles& files,
                       TimerService& timers)
    : memory_(memory),
      files_(files),
      logPath_(std::move(logPath)),
      Timer1_(timers.createTimer(kTickMilliseconds, false, [this] { tick(); })) {}

bool LoggerCore::start() {
  const bool emptied = files_.truncate(logPath_);
  Timer1_->setEnabled(true);
  return emptied;
}

void LoggerCore::tick() {
  const std::string line = formatSample(freePercent(memory_.read()));
  if (!line.empty()) {
    files_.append(logPath_, line + "\r\n");
  }
}

}  // namespace vorlane
