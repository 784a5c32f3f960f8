#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <stdexcept>

#include "host/message_pump.h"

namespace vorlane::testing {

// A message loop driven by a script. Each time the code under test lets the
// loop run (once, or one turn of a nested wait), the next scripted event runs:
// a click, a timer tick, anything. A wait with nothing left to happen fails the
// test instead of hanging.
class FakePump final : public MessagePump, public ProgramLifetime {
 public:
  void script(std::function<void()> event) { events_.push_back(std::move(event)); }
  // Runs on every turn of the loop, before the scripted event (for example a
  // clock that advances).
  void onEveryTurn(std::function<void()> hook) { everyTurn_ = std::move(hook); }
  // The clock that decides when a due turn is served, in microseconds. Without
  // one every offered due turn is served.
  void useClock(std::function<std::uint64_t()> microseconds) { clock_ = std::move(microseconds); }

  void pumpOnce() override {
    ++pumps_;
    turn();
  }
  bool pumpIfDue() override {
    ++dueOffers_;
    if (clock_ && !schedule_.due(clock_())) return false;
    ++dueTurns_;
    turn();
    return true;
  }
  void waitUntil(const std::function<bool()>& done) override {
    while (!done() && !ended_) {
      if (events_.empty()) throw std::logic_error("wait with no scripted event left");
      turn();
    }
  }
  void endProgram() override { ended_ = true; }
  bool ending() const override { return ended_; }

  // Full turns (pumpOnce), and due turns offered and served.
  int pumpCount() const { return pumps_; }
  int dueOffers() const { return dueOffers_; }
  int dueTurns() const { return dueTurns_; }
  bool scriptEmpty() const { return events_.empty(); }

 private:
  void turn() {
    if (everyTurn_) everyTurn_();
    if (!events_.empty()) {
      auto event = std::move(events_.front());
      events_.pop_front();
      event();
    }
    if (clock_) schedule_.served(clock_());
  }

  std::deque<std::function<void()>> events_;
  std::function<void()> everyTurn_;
  std::function<std::uint64_t()> clock_;
  LoopSchedule schedule_;
  int pumps_ = 0;
  int dueOffers_ = 0;
  int dueTurns_ = 0;
  bool ended_ = false;
};

}  // namespace vorlane::testing
