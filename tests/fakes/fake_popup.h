#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "popup/message_popup.h"

namespace vorlane::testing {

// The pop-up of every native test and benchmark. It records each call in
// order ("mention: msg", "showmsg: msg", "viewmsg: msg", "timemsg: msg",
// "hidemsg") into a journal that the other fakes of a test may share, so that
// one list shows the order of everything the code under test did. A waiting
// call ("mention", "showmsg") runs `onWait`, where a test clicks, ends the
// program or fails as the user's click would. `throwOnView` and `throwOnHide`
// make the pop-up fail after recording, for callers that must survive that.
class FakePopup final : public MessagePopup {
 public:
  FakePopup() : journal_(ownJournal_) {}
  explicit FakePopup(std::vector<std::string>& journal) : journal_(journal) {}
  FakePopup(const FakePopup&) = delete;
  FakePopup& operator=(const FakePopup&) = delete;

  void mention(const std::string& msg) override { wait("mention: " + msg, msg); }
  void showmsg(const std::string& msg) override { wait("showmsg: " + msg, msg); }
  void viewmsg(const std::string& msg) override {
    journal_.push_back("viewmsg: " + msg);
    if (throwOnView) {
      throw std::runtime_error("pop-up gone");
    }
  }
  void timemsg(const std::string& msg, const std::int32_t&) override {
    journal_.push_back("timemsg: " + msg);
  }
  void hidemsg() override {
    journal_.push_back("hidemsg");
    if (throwOnHide) {
      throw std::runtime_error("pop-up gone");
    }
  }

  const std::vector<std::string>& journal() const { return journal_; }

  std::function<void(const std::string&)> onWait;
  bool throwOnView = false;
  bool throwOnHide = false;

 private:
  void wait(const std::string& entry, const std::string& msg) {
    journal_.push_back(entry);
    if (onWait) {
      onWait(msg);
    }
  }

  std::vector<std::string> ownJournal_;
  std::vector<std::string>& journal_;
};

}  // namespace vorlane::testing
