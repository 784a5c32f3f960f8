#include "tests/fakes/fake_pump.h"

namespace vorlane::testing {

void FakePump::turn() {
  if (everyTurn_) {
    everyTurn_();
  }
  if (!events_.empty()) {
    auto event = std::move(events_.front());
    events_.pop_front();
    event();
  }
}

void FakePump::served() {
  if (clock_) {
    schedule_.served(clock_());
  }
}

void FakePump::pumpOnce() {
  ++pumps_;
  turn();
  served();
}

bool FakePump::pumpIfDue() {
  ++dueOffers_;
  if (clock_ && !schedule_.due(clock_())) {
    return false;
  }
  ++dueTurns_;
  turn();
  served();
  return true;
}

void FakePump::waitUntil(const std::function<bool()>& done) {
  ++depth_;
  if (depth_ > maxDepth_) {
    maxDepth_ = depth_;
  }
  while (!done() && !ended_) {
    if (events_.empty()) {
      --depth_;
      throw NothingLeftToHappen();
    }
    turn();
    served();
  }
  --depth_;
}

}  // namespace vorlane::testing
