#pragma once

#include "controls/progressbar/xp_progressbar.h"
#include "host/accessible.h"

namespace vorlane::progressbar {

// The progress bar as a screen reader hears it: a read-only progress bar whose
// value is its Value in percent of Min..Max. It has no caption, so no name.
class ProgressBarAccessible final : public AccessibleProvider {
 public:
  explicit ProgressBarAccessible(const Xp_ProgressBar& bar) : bar_(bar) {}

  AccessibleRole role() const override { return AccessibleRole::kProgressBar; }
  std::string name() const override { return {}; }
  std::uint32_t states() const override { return accessible_state::kReadOnly; }
  std::string value() const override { return percentText(bar_.Value(), bar_.Min(), bar_.Max()); }

 private:
  const Xp_ProgressBar& bar_;
};

}  // namespace vorlane::progressbar
