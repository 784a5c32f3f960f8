#pragma once

#include <functional>
#include <memory>

namespace vorlane {

// A message-loop timer: it fires on the user-interface thread every `interval`
// milliseconds while enabled. An interval of 0 never fires.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void setInterval(unsigned milliseconds) = 0;
  virtual unsigned interval() const = 0;
  virtual void setEnabled(bool enabled) = 0;
  virtual bool enabled() const = 0;
};

class TimerService {
 public:
  virtual ~TimerService() = default;
  virtual std::unique_ptr<Timer> createTimer(unsigned intervalMilliseconds, bool enabled,
                                             std::function<void()> onTick) = 0;
};

}  // namespace vorlane
