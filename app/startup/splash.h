#pragma once

#include <functional>
#include <memory>
#include <string>

#include "host/timer.h"
#include "popup/frmmsg.h"

namespace vorlane {

// `frmSplash` as its logic sees it.
class SplashView {
 public:
  virtual ~SplashView() = default;
  // The caption of `Label4` ("Loading..." at creation).
  virtual void setLoadingCaption(const std::string& caption) = 0;
  // Hides the splash; it stays loaded.
  virtual void hide() = 0;
  // Destroys the splash window without it ever having been shown.
  virtual void unload() = 0;
};

// `frmSplash`'s logic: the load, the hand-over `delaytimer`, and the animation
// `Timer2`, which turns `Label4` through "Loading", "Loading.", ... "Loading.....".
class Splash {
 public:
  static constexpr unsigned kDelayMilliseconds = 3000;
  static constexpr unsigned kAnimationMilliseconds = 75;

  // `start` is the start controller's hand-over, once, when the splash ends;
  // `showOptionsScreen` is a second copy's way back to the options screen.
  Splash(SplashView& view, TimerService& timers, frmmsg& popup, std::function<void()> start,
         std::function<void()> showOptionsScreen);

  // The load of `frmSplash`: true when it is to become visible; false for a
  // second copy: unloaded, the user welcomed to the options screen, no `start`.
  bool load(bool anotherCopyRunning);

 private:
  void onDelay();
  void onAnimation();

  SplashView& view_;
  TimerService& timers_;
  frmmsg& popup_;
  std::function<void()> start_;
  std::function<void()> showOptionsScreen_;
  std::unique_ptr<Timer> delaytimer_;
  std::unique_ptr<Timer> Timer2_;
  std::size_t loadingDots_ = 3;  // "Loading..." at creation
};

}  // namespace vorlane
