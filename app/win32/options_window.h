#pragma once

#include <functional>
#include <memory>

#include "app/startup/options_view.h"
#include "controls/button/win32/xp_button_window.h"
#include "controls/progressbar/win32/progressbar_window.h"
#include "host/message_box.h"
#include "host/win32/forms.h"

namespace vorlane::win32 {

struct OptionsServices {
  ModalMessageBox& messages;
  TimerService& timers;
  MessagePump& pump;
  KeystrokeSender& keystrokes;
};

// The Apply button's stored properties: a yellow XP button, caption "Ap&ply".
PropertyBag applyButtonProperties();

// `frmstarter` as a window: the options screen. It opens with "Normal" and
// "True" selected; Apply runs `onApply`.
class OptionsWindow final : public OptionsView {
 public:
  OptionsWindow(std::function<void()> onApply, const OptionsServices& services);

  bool option1Selected() const override { return Option1_.selected(); }
  bool option4Selected() const override { return Option4_.selected(); }
  void show() override;
  void hide() override { frmstarter_.hide(); }

  Form& form() { return frmstarter_; }

 private:
  const PropertyBag applyProperties_ = applyButtonProperties();
  Form frmstarter_;
  Panel Picture1_;
  Label Label1_;
  Line Line1_;
  Frame Frame1_;
  OptionButton Option1_;
  OptionButton Option2_;
  XpButtonWindow VelkXPButton1_;
  Frame Frame2_;
  OptionButton Option3_;
  OptionButton Option4_;
  progressbar::win32::ProgressBarWindow pb_;
};

// The options screen is made the first time anything asks for it, and then
// lives as long as the program.
class SharedOptionsWindow final : public OptionsView {
 public:
  SharedOptionsWindow(std::function<void()> onApply, const OptionsServices& services)
      : onApply_(std::move(onApply)), services_(services) {}

  bool option1Selected() const override { return instance().option1Selected(); }
  bool option4Selected() const override { return instance().option4Selected(); }
  void show() override { instance().show(); }
  void hide() override { instance().hide(); }

 private:
  OptionsWindow& instance() const {
    if (!window_) {
      window_ = std::make_unique<OptionsWindow>(onApply_, services_);
    }
    return *window_;
  }

  std::function<void()> onApply_;
  OptionsServices services_;
  mutable std::unique_ptr<OptionsWindow> window_;
};

}  // namespace vorlane::win32
