#pragma once

namespace vorlane {

// The options screen as the start controller sees it. The screen opens with
// "Normal" and "True" selected and is never set from the stored settings.
class OptionsView {
 public:
  virtual ~OptionsView() = default;
  // `Option1`, "Stealth ", is selected (otherwise "Normal", `Option2`).
  virtual bool option1Selected() const = 0;
  // `Option4`, "True" to "Run When Computer Starts" (otherwise `Option3`).
  virtual bool option4Selected() const = 0;
  // Shows the screen, modeless, centred, and gives it the focus.
  virtual void show() = 0;
  virtual void hide() = 0;
};

}  // namespace vorlane
