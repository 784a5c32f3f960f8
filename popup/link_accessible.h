#pragma once

#include "host/accessible.h"
#include "popup/frmmsg.h"

namespace vorlane {

// The pop-up's link as a screen reader hears it: a link named by its text
// ("Next", "Close") whose default action clicks it. Without a text there is
// nothing to act on, so it reads as unavailable and has no action.
class LinkAccessible final : public AccessibleProvider {
 public:
  explicit LinkAccessible(frmmsg& popup) : popup_(popup) {}

  AccessibleRole role() const override { return AccessibleRole::kLink; }
  std::string name() const override { return popup_.linkText(); }
  std::uint32_t states() const override {
    return popup_.linkText().empty() ? accessible_state::kUnavailable : accessible_state::kLinked;
  }
  std::string defaultAction() const override {
    return popup_.linkText().empty() ? std::string() : "Click";
  }
  void doDefaultAction() override { popup_.activateLink(); }

 private:
  frmmsg& popup_;
};

}  // namespace vorlane
