#include "popup/frmmsg.h"

namespace vorlane {

void Sweep::tick() {
  if (rightwards) {
    left += kStep;
    if (left >= kEnd) {
      left = kEnd;
      rightwards = false;
    }
  } else {
    left -= kStep;
    if (left <= 0) {
      left = 0;
      rightwards = true;
    }
  }
}

void Sweep::advance(std::uint64_t ticks) {
  // The state at creation (2400, rightwards) is off the cycle of a way there
  // and back; one tick puts any state on it.
  constexpr std::uint64_t kCycle = 2 * (kEnd / kStep);
  if (ticks > kCycle) {
    ticks = kCycle + (ticks - kCycle) % kCycle;
  }
  for (std::uint64_t i = 0; i < ticks; ++i) {
    tick();
  }
}

frmmsg::frmmsg(ViewFactory createView, TimerService& timers, MessagePump& pump,
               MonotonicClock& clock)
    : createView_(std::move(createView)), timers_(timers), pump_(pump), clock_(clock) {}

PopupView& frmmsg::view() {
  if (view_) {
    return *view_;
  }
  // Created hidden: the sweep counts from now, but its timers wait for a show.
  animate1_ = timers_.createTimer(Sweep::kTickMilliseconds, false, [this] { animateTick(); });
  animate2_ = timers_.createTimer(Sweep::kTickMilliseconds, false, [this] { animateTick(); });
  Timer1_ = timers_.createTimer(0, false, [this] { Timer1Tick(); });
  view_ = createView_(*this);
  lastTickAt_ = clock_.milliseconds();
  view_->setLinkText(linkText_);
  view_->setLinkUnderline(false);
  view_->setTwoLineText("");
  view_->setOneLineText("");
  view_->setBarLeft(sweep_.left);
  return *view_;
}

void frmmsg::mention(const std::string& msg) {
  showPage("Next", msg);
  waitForClose();
}

void frmmsg::showmsg(const std::string& msg) {
  showPage("Close", msg);
  waitForClose();
}

void frmmsg::timemsg(const std::string& msg, const std::int32_t& time) {
  showPage("", msg);
  if (time > 0) {
    Timer1_->setInterval(static_cast<unsigned>(time));
    Timer1_->setEnabled(true);
  }
  timedText_ = true;
}

void frmmsg::hidemsg() {
  timedText_ = false;
  view().setTwoLineText("");
  view().setOneLineText("");
  view().hide();
  shown_ = false;
  animate1_->setEnabled(false);
  animate2_->setEnabled(false);
}

void frmmsg::linkClicked() { closed_ = true; }

void frmmsg::activateLink() {
  if (!linkText_.empty()) {
    linkClicked();
  }
}

void frmmsg::pointerOverLink() {
  if (!underlined_) {
    underlined_ = true;
    view().setLinkUnderline(true);
  }
}

void frmmsg::pointerOverPanel() {
  if (underlined_) {
    underlined_ = false;
    view().setLinkUnderline(false);
  }
}

void frmmsg::showPage(const std::string& link, const std::string& msg) {
  PopupView& shownOn = view();  // made first, so that it starts from the earlier text
  linkText_ = link;
  shownOn.setLinkText(link);
  closed_ = false;
  // A time-out belongs to the timed text it came with; it must not end a wait
  // that is meant for the user's click.
  Timer1_->setEnabled(false);
  viewmsg(msg);
}

void frmmsg::viewmsg(const std::string& msg) {
  timedText_ = false;
  view().setTwoLineText("");
  view().setOneLineText("");
  // Only the exact pair CR LF makes a two-line text; a lone CR or LF does not.
  if (msg.find("\r\n") != std::string::npos) {
    view().setTwoLineText(msg);
  } else {
    view().setOneLineText(msg);
  }
  if (!shown_) {
    const std::uint64_t now = clock_.milliseconds();
    const std::uint64_t ticks = (now - lastTickAt_) / Sweep::kTickMilliseconds;
    sweep_.advance(ticks);
    lastTickAt_ += ticks * Sweep::kTickMilliseconds;
    view().setBarLeft(sweep_.left);
    shown_ = true;
    startSweepTimers();
  }
  view().showOnTop();
}

void frmmsg::waitForClose() {
  view().takeForeground();
  pump_.waitUntil([this] { return closed_; });
  hidemsg();
}

void frmmsg::animateTick() {
  sweep_.tick();
  lastTickAt_ = clock_.milliseconds();
  view().setBarLeft(sweep_.left);
  startSweepTimers();
}

void frmmsg::Timer1Tick() {
  closed_ = true;
  Timer1_->setEnabled(false);
  // A timed text goes when its time is up; any later operation has taken the
  // window over, and the time-out then only sets `closed`.
  if (timedText_) {
    hidemsg();
  }
}

void frmmsg::startSweepTimers() {
  // Exactly one of the two runs: `animate1` rightwards, `animate2` leftwards.
  // Enabling the one already running leaves its rhythm alone.
  (sweep_.rightwards ? animate2_ : animate1_)->setEnabled(false);
  (sweep_.rightwards ? animate1_ : animate2_)->setEnabled(true);
}

}  // namespace vorlane
