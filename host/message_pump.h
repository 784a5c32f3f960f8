#pragma once

#include <cstdint>
#include <functional>

namespace vorlane {

// The user-interface thread's message loop, as long work and waits see it.
class MessagePump {
 public:
  virtual ~MessagePump() = default;
  // Handles every message that is pending now (timers, input, painting), then returns.
  virtual void pumpOnce() = 0;
  // The cheap turn for long work, offered as often as it likes (per sample,
  // per piece of memory written): serves the loop exactly as `pumpOnce` does
  // when it is due (see LoopSchedule), otherwise returns at once without
  // asking the window system anything. True when it served the loop. A loop
  // with no clock of its own serves it every time.
  virtual bool pumpIfDue() {
    pumpOnce();
    return true;
  }
  // Runs a nested loop that serves every window and timer until `done` holds.
  // Returns early only if the program is ending.
  virtual void waitUntil(const std::function<bool()>& done) = 0;
};

// When long work is due to serve the message loop again. Every turn of the
// loop costs a round trip to the window system (microseconds on Windows, some
// 30 us under Wine), so serving it per item made a month of log take seconds;
// serving it by the clock bounds both the cost (at most one turn per interval)
// and the wait any timer, click or repaint sees (the interval plus one item).
class LoopSchedule {
 public:
  // 2 ms: far below what a user or a 10 ms timer notices, far above the cost
  // of one turn.
  static constexpr std::uint64_t kDueMicroseconds = 2000;

  bool due(std::uint64_t nowMicroseconds) const {
    return nowMicroseconds - lastServed_ >= kDueMicroseconds;
  }
  void served(std::uint64_t nowMicroseconds) { lastServed_ = nowMicroseconds; }

 private:
  std::uint64_t lastServed_ = 0;
};

// Ends the program: every window goes and the message loop stops. Code that
// calls it returns promptly afterwards.
class ProgramLifetime {
 public:
  virtual ~ProgramLifetime() = default;
  virtual void endProgram() = 0;
  virtual bool ending() const = 0;
};

}  // namespace vorlane
