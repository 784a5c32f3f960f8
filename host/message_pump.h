#pragma once

#include <functional>

namespace vorlane {

// The user-interface thread's message loop, as long work and waits see it.
class MessagePump {
 public:
  virtual ~MessagePump() = default;
  // Handles every message that is pending now (timers, input, painting), then returns.
  virtual void pumpOnce() = 0;
  // Runs a nested loop that serves every window and timer until `done` holds.
  // Returns early only if the program is ending.
  virtual void waitUntil(const std::function<bool()>& done) = 0;
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
