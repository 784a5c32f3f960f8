#include "app/startup/splash.h"

#include <utility>

namespace vorlane {

Splash::Splash(SplashView& view, TimerService& timers, frmmsg& popup, std::function<void()> start,
               std::function<void()> showOptionsScreen)
    : view_(view),
      timers_(timers),
      popup_(popup),
      start_(std::move(start)),
      showOptionsScreen_(std::move(showOptionsScreen)) {}

bool Splash::load(bool anotherCopyRunning) {
  if (anotherCopyRunning) {
    view_.unload();
    popup_.mention("Welcome to the options screen!");
    showOptionsScreen_();
    return false;
  }
  delaytimer_ = timers_.createTimer(kDelayMilliseconds, true, [this] { onDelay(); });
  Timer2_ = timers_.createTimer(kAnimationMilliseconds, true, [this] { onAnimation(); });
  return true;
}

void Splash::onDelay() {
  view_.hide();
  delaytimer_->setEnabled(false);
  // The hidden splash never shows again: its animation would wake us for nothing.
  Timer2_->setEnabled(false);
  start_();
}

void Splash::onAnimation() {
  loadingDots_ = (loadingDots_ + 1) % 6;
  view_.setLoadingCaption("Loading" + std::string(loadingDots_, '.'));
}

}  // namespace vorlane
