#pragma once

namespace vorlane {

// The memory watch as the start controller starts it.
class MemoryWatchControl {
 public:
  virtual ~MemoryWatchControl() = default;
  // Enables `Timer1`, then `Timer2`; nothing else.
  virtual void startWatch() = 0;
};

}  // namespace vorlane
