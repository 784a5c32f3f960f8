#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "host/clock.h"
#include "host/message_pump.h"
#include "host/timer.h"
#include "popup/popup_view.h"

namespace vorlane {

// The sweep of the pop-up's bar: 150 twips a tick between 0 and 2400, turning on
// the tick that reaches an end.
struct Sweep {
  static constexpr int kStep = 150;
  static constexpr int kEnd = 2400;
  static constexpr unsigned kTickMilliseconds = 50;

  int left = kEnd;         // 2400 at creation
  bool rightwards = true;  // `animate1` at creation

  // One tick of whichever timer is enabled.
  void tick();
  // `ticks` ticks at once: after its first tick the sweep repeats every 32
  // ticks, so any number of them costs at most 33 steps.
  void advance(std::uint64_t ticks);
};

// The notification pop-up, shared by every part of the program: everything it
// decides, over a view that draws it. The view and the timers are made by the
// first operation any caller makes, so a program that never shows the pop-up
// never makes its window.
//
// `mention` and `showmsg` return only after the user's click on the link
// ("Next" / "Close"): they run the program's message loop
// (MessagePump::waitUntil) until the one shared `closed` flag is set, so a
// nested mention that gets its click ends the outer wait as well. `timemsg`
// with a positive `time` arms `Timer1` as a time-out of that many milliseconds.
//
// The sweep's timers run only while the window is shown: a hidden pop-up wakes
// nothing. On showing, the sweep first catches up by the 50 ms ticks that
// passed unseen (read from the clock), so the bar stands where it would have
// got to.
class frmmsg final {
 public:
  using ViewFactory = std::function<std::unique_ptr<PopupView>(frmmsg&)>;

  frmmsg(ViewFactory createView, TimerService& timers, MessagePump& pump, MonotonicClock& clock);
  frmmsg(const frmmsg&) = delete;
  frmmsg& operator=(const frmmsg&) = delete;

  void mention(const std::string& msg);
  void showmsg(const std::string& msg);
  void viewmsg(const std::string& msg);
  void timemsg(const std::string& msg, const std::int32_t& time);
  void hidemsg();

  // What the window reports.
  void linkClicked();
  // Enter or Space while the pop-up has the keyboard, or a screen reader's
  // default action: a click on the link, but only while the link shows a text
  // (a timed text has no link to act on).
  void activateLink();
  void pointerOverLink();
  void pointerOverPanel();

  // The view, made with its initial state on first use.
  PopupView& view();
  bool closed() const { return closed_; }
  bool shown() const { return shown_; }
  const std::string& linkText() const { return linkText_; }

 private:
  // Shows `msg` under the link text `link`, with no time-out armed.
  void showPage(const std::string& link, const std::string& msg);
  void waitForClose();
  void animateTick();
  void Timer1Tick();
  void startSweepTimers();

  ViewFactory createView_;
  TimerService& timers_;
  MessagePump& pump_;
  MonotonicClock& clock_;
  bool closed_ = false;
  bool shown_ = false;
  bool underlined_ = false;
  // True while the text on show is the one a timemsg put there.
  bool timedText_ = false;
  std::string linkText_ = "Close";
  Sweep sweep_;
  std::uint64_t lastTickAt_ = 0;
  std::unique_ptr<PopupView> view_;
  std::unique_ptr<Timer> animate1_;
  std::unique_ptr<Timer> animate2_;
  std::unique_ptr<Timer> Timer1_;
};

}  // namespace vorlane
