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
  // The cheap turn long work offers as often as it likes: `pumpOnce` when it is
  // due (LoopSchedule), else back at once without asking the window system
  // anything. True when it served the loop; a loop without a clock always does.
  virtual bool pumpIfDue() {
    pumpOnce();
    return true;
  }
  // Runs a nested loop that serves every window and timer until `done` holds.
  // Returns early only if the program is ending.
  virtual void waitUntil(const std::function<bool()>& done) = 0;
};

// When long work is due to serve the message loop again. A turn costs a round
// trip to the window system (some 30 us under Wine), so serving it per item made
// a month of log take seconds; by the clock, both the cost and the wait any
// timer, click or repaint sees are bounded.
class LoopSchedule {
 public:
  // Far below what a user or a 10 ms timer notices, far above a turn's cost.
  static constexpr std::uint64_t kDueMicroseconds = 2000;

  bool due(std::uint64_t nowMicroseconds) const {
    return nowMicroseconds - lastServed_ >= kDueMicroseconds;
  }
  void served(std::uint64_t nowMicroseconds) { lastServed_ = nowMicroseconds; }

 private:
  std::uint64_t lastServed_ = 0;
};

// Every window goes and the message loop stops; callers return promptly.
class ProgramLifetime {
 public:
  virtual ~ProgramLifetime() = default;
  virtual void endProgram() = 0;
  virtual bool ending() const = 0;
};

}  // namespace vorlane
