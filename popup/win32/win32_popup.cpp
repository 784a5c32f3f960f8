#include "popup/win32/win32_popup.h"

namespace vorlane::win32 {

Win32Popup::Win32Popup(TimerService& timers, MessagePump& pump, MonotonicClock& clock,
                       PicturePtr logo)
    : window_(std::move(logo)), model_(window_, timers, pump, clock) {
  window_.setOnLinkClick([this] { model_.linkClicked(); });
  window_.setOnPointerOverLink([this] { model_.pointerOverLink(); });
  window_.setOnPointerOverPanel([this] { model_.pointerOverPanel(); });
  window_.setOnLinkKey([this] { model_.activateLink(); });
  window_.link().setAccessible(&linkAccessible_);
}

// The link's window outlives the provider by a moment: cut it off first.
Win32Popup::~Win32Popup() { window_.link().setAccessible(nullptr); }

}  // namespace vorlane::win32
