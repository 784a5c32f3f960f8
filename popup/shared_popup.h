#pragma once

#include <functional>
#include <memory>

#include "popup/message_popup.h"

namespace vorlane {

// The one shared pop-up, created by the first operation any caller makes and
// kept until the program ends.
class SharedPopup final : public MessagePopup {
 public:
  explicit SharedPopup(std::function<std::unique_ptr<MessagePopup>()> create)
      : create_(std::move(create)) {}

  void mention(const std::string& msg) override { instance().mention(msg); }
  void showmsg(const std::string& msg) override { instance().showmsg(msg); }
  void viewmsg(const std::string& msg) override { instance().viewmsg(msg); }
  void timemsg(const std::string& msg, const std::int32_t& time) override {
    instance().timemsg(msg, time);
  }
  void hidemsg() override { instance().hidemsg(); }

  bool created() const { return instance_ != nullptr; }
  MessagePopup& instance() {
    if (!instance_) {
      instance_ = create_();
    }
    return *instance_;
  }

 private:
  std::function<std::unique_ptr<MessagePopup>()> create_;
  std::unique_ptr<MessagePopup> instance_;
};

}  // namespace vorlane
