#pragma once

#include <cstdint>
#include <string>

#include "popup/message_popup.h"

namespace vorlane::testing {

// A pop-up that shows nothing and returns at once, for runs that only need
// the code under test to have one (benchmarks, tests that check other things).
class NullPopup final : public MessagePopup {
 public:
  void mention(const std::string&) override {}
  void showmsg(const std::string&) override {}
  void viewmsg(const std::string&) override {}
  void timemsg(const std::string&, const std::int32_t&) override {}
  void hidemsg() override {}
};

}  // namespace vorlane::testing
