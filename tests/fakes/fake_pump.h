#pragma once

#include <deque>
#include <functional>
#include <stdexcept>

#include "host/message_pump.h"

namespace vorlane::testing {

// Each turn of the loop runs the next scripted event; a wait with none left
// throws instead of hanging.
class FakePump final : public MessagePump, public ProgramLifetime {
 public:
  void script(std::function<void()> event) { events_.push_back(std::move(event)); }
  void onEveryTurn(std::function<void()> hook) { everyTurn_ = std::move(hook); }

  void pumpOnce() override {
    ++pumps_;
    turn();
  }
  bool pumpIfDue() override {
    ++dueOffers_;
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

  int pumpCount() const { return pumps_; }
  int dueOffers() const { return dueOffers_; }
  bool scriptEmpty() const { return events_.empty(); }

 private:
  void turn() {
    if (everyTurn_) everyTurn_();
    if (!events_.empty()) {
      auto event = std::move(events_.front());
      events_.pop_front();
      event();
    }
  }

  std::deque<std::function<void()>> events_;
  std::function<void()> everyTurn_;
  int pumps_ = 0;
  int dueOffers_ = 0;
  bool ended_ = false;
};

}  // namespace vorlane::testing
