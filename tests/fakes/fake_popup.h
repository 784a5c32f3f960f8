#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "popup/frmmsg.h"
#include "tests/fakes/fake_pump.h"
#include "tests/fakes/fake_timers.h"

namespace vorlane::testing {

// A real frmmsg whose view journals each operation ("mention: msg", "hidemsg"...),
// told apart by the link text. A wait runs `onWait` as the user would, then clicks.
class FakePopup final {
 public:
  FakePopup() : journal_(ownJournal_) {}
  explicit FakePopup(std::vector<std::string>& journal) : journal_(journal) {}

  operator frmmsg&() { return model_; }

  std::function<void(const std::string&)> onWait;
  bool throwOnStatus = false;  // viewmsg and hidemsg throw after journaling

 private:
  struct Recorder final : PopupView {
    explicit Recorder(FakePopup& fake) : fake_(fake) {}
    void setLinkText(const std::string& text) override {
      // The link's starting text is the window's, not a caller's.
      if (!std::exchange(starting_, false)) link_ = text;
    }
    void setLinkUnderline(bool) override {}
    void setTwoLineText(const std::string& text) override { text_ = text; }
    void setOneLineText(const std::string& text) override { text_ = text; }
    void setBarLeft(int) override {}
    void showOnTop() override {
      const std::optional<std::string> link = std::exchange(link_, std::nullopt);
      const char* operation = !link              ? "viewmsg: "
                              : *link == "Next"  ? "mention: "
                              : *link == "Close" ? "showmsg: "
                                                 : "timemsg: ";
      record(operation + text_, !link && fake_.throwOnStatus);
    }
    void takeForeground() override {
      fake_.pump_.script([this, msg = text_] {
        if (fake_.onWait) fake_.onWait(msg);
        if (!fake_.model_.closed()) fake_.model_.linkClicked();
        endingWait_ = true;  // the hide that follows is the wait's, not a caller's
      });
    }
    void hide() override {
      if (!std::exchange(endingWait_, false)) record("hidemsg", fake_.throwOnStatus);
    }
    void record(const std::string& entry, bool fail) {
      fake_.journal_.push_back(entry);
      if (fail) throw std::runtime_error("pop-up gone");
    }

    FakePopup& fake_;
    bool starting_ = true;
    std::optional<std::string> link_;
    std::string text_;
    bool endingWait_ = false;
  };

  std::vector<std::string> ownJournal_;
  std::vector<std::string>& journal_;
  FakeTimerService timers_;
  FakePump pump_;
  frmmsg model_{[this](frmmsg&) { return std::make_unique<Recorder>(*this); }, timers_, pump_,
                timers_};
};

}  // namespace vorlane::testing
