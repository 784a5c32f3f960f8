#pragma once

#include "host/clock.h"
#include "host/message_pump.h"
#include "host/timer.h"
#include "popup/frmmsg.h"
#include "popup/link_accessible.h"
#include "popup/message_popup.h"
#include "popup/win32/popup_window.h"

namespace vorlane::win32 {

// The pop-up as the program uses it: the window and its logic, wired together.
class Win32Popup final : public MessagePopup {
 public:
  // Without a logo the system's application icon stands in.
  Win32Popup(TimerService& timers, MessagePump& pump, MonotonicClock& clock,
             PicturePtr logo = nullptr);
  ~Win32Popup() override;
  Win32Popup(const Win32Popup&) = delete;
  Win32Popup& operator=(const Win32Popup&) = delete;

  void mention(const std::string& msg) override { model_.mention(msg); }
  void showmsg(const std::string& msg) override { model_.showmsg(msg); }
  void viewmsg(const std::string& msg) override { model_.viewmsg(msg); }
  void timemsg(const std::string& msg, const std::int32_t& time) override {
    model_.timemsg(msg, time);
  }
  void hidemsg() override { model_.hidemsg(); }

  frmmsg& model() { return model_; }
  PopupWindow& window() { return window_; }

 private:
  PopupWindow window_;
  frmmsg model_;
  LinkAccessible linkAccessible_{model_};
};

}  // namespace vorlane::win32
