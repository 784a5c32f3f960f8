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

void FakePump::pumpOnce() {
  ++pumps_;
  turn();
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
  }
  --depth_;
}

}  // namespace vorlane::testing
