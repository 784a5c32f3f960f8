#include "popup/frmmsg.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/fakes/fake_pump.h"
#include "tests/fakes/fake_timers.h"

namespace vorlane {
namespace {

struct Rig {
  struct LogView final : PopupView {
    explicit LogView(std::string& log) : log_(log) {}
    void setLinkText(const std::string& text) override { log_ += "link=" + text + " "; }
    void setLinkUnderline(bool on) override { log_ += on ? "underline " : "plain "; }
    void setTwoLineText(const std::string& text) override { log_ += "two=" + text + " "; }
    void setOneLineText(const std::string& text) override { log_ += "one=" + text + " "; }
    void setBarLeft(int twips) override { log_ += "bar=" + std::to_string(twips) + " "; }
    void showOnTop() override { log_ += "show "; }
    void takeForeground() override { log_ += "front "; }
    void hide() override { log_ += "hide "; }
    std::string& log_;
  };
  bool shown() const { return log.rfind("show ") + 1 > log.rfind("hide ") + 1; }
  int bar() const { return std::stoi(log.substr(log.rfind("bar=") + 4)); }

  std::string log;
  testing::FakeTimerService timers;
  testing::FakePump pump;
  frmmsg popup{[this](frmmsg&) { return std::make_unique<LogView>(log); }, timers, pump, timers};
};

// Only a page waits, and only the click closes it before a time-out; the
// time-out hides the window only while the timed text is still on show, and
// only a shown pop-up runs a sweep timer.
TEST(Frmmsg, EachOperationOnTheWindow) {
  const std::string made = "link=Close plain two= one= bar=2400 ";
  const struct {
    std::function<void(frmmsg&)> operation;
    std::string log;
    bool waited, closed, shown;
    std::int32_t timedBefore = 0;
  } rows[] = {
      {[](frmmsg& p) { p.mention("page"); },
       "link=Next two= one= one=page bar=2400 show front two= one= hide ", true, true, false},
      {[](frmmsg& p) { p.showmsg("first \r\nsecond"); },
       "link=Close two= one= two=first \r\nsecond bar=2400 show front two= one= hide ", true, true,
       false},
      {[](frmmsg& p) { p.viewmsg("lone\rcr\nlf"); }, "two= one= one=lone\rcr\nlf bar=2400 show ",
       false, false, true},
      {[](frmmsg& p) { p.timemsg("", 0); }, "link= two= one= one= bar=2400 show ", false, false,
       true},
      {[](frmmsg& p) { p.hidemsg(); }, "two= one= hide ", false, false, false},
      {[](frmmsg&) {}, "", false, true, false, 500},
      {[](frmmsg& p) { p.viewmsg("status"); }, "", false, true, true, 500},
      {[](frmmsg& p) { p.hidemsg(); }, "", false, true, false, 500},
      {[](frmmsg& p) { p.timemsg("untimed", -1); }, "", false, false, true, 500},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(&row - rows);
    Rig rig;
    rig.pump.script([&] { rig.popup.linkClicked(); });
    EXPECT_EQ(rig.log, "");
    if (row.timedBefore) rig.popup.timemsg("timed", row.timedBefore);
    row.operation(rig.popup);
    EXPECT_TRUE(row.timedBefore || rig.log == made + row.log) << rig.log;
    EXPECT_EQ(rig.pump.scriptEmpty(), row.waited);
    rig.timers.advance(499);
    EXPECT_EQ(rig.popup.closed(), row.waited);
    rig.timers.advance(100000);
    EXPECT_EQ(rig.popup.closed(), row.closed);
    EXPECT_EQ(rig.shown(), row.shown);
    EXPECT_EQ(rig.log.find("hide "), rig.log.rfind("hide "));
    EXPECT_EQ(rig.timers.activeTimers(), row.shown ? 1 : 0);
  }
}

// Only a click during the page ends its wait, and a nested page's click the
// outer one too; the keys click only while the link shows a text.
TEST(Frmmsg, WaitsAndWhatTheWindowReports) {
  Rig rig;
  rig.popup.timemsg("timed", 100);
  rig.popup.activateLink();
  EXPECT_FALSE(rig.popup.closed());
  rig.popup.linkClicked();
  rig.log.clear();
  rig.popup.pointerOverLink();
  rig.popup.pointerOverLink();
  rig.pump.onEveryTurn([&] { rig.timers.advance(100); });
  rig.pump.script([&] {
    rig.popup.viewmsg("status");
    rig.popup.hidemsg();
  });
  rig.pump.script([&] { rig.popup.mention("inner"); });
  rig.pump.script([&] { EXPECT_TRUE(rig.shown()); });
  rig.pump.script([&] { rig.popup.activateLink(); });
  rig.popup.showmsg("outer");
  EXPECT_TRUE(rig.pump.scriptEmpty());
  rig.popup.pointerOverPanel();
  rig.popup.pointerOverPanel();
  rig.pump.script([&] { rig.pump.endProgram(); });
  rig.popup.showmsg("the program ends");
  EXPECT_FALSE(rig.shown());
  for (const char* font : {"underline", "plain"}) {
    EXPECT_NE(rig.log.find(font), std::string::npos);
    EXPECT_EQ(rig.log.find(font), rig.log.rfind(font));
  }
}

// On showing, the bar catches up with the 50 ms ticks missed while hidden,
// keeping the part of a tick carried over.
TEST(Frmmsg, BarSweepsAlikeHiddenOrShown) {
  const struct {
    std::uint64_t ticks;
    int left, next;
  } rows[] = {{1, 2400, 2250},
              {17, 0, 150},
              {12345, 1200, 1350},
              {5ULL * 24 * 3600 * 1000 / 50, 2250, 2400}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.ticks);
    Rig unseen, once;
    unseen.popup.view();
    once.popup.viewmsg("moves, then hides");
    once.timers.advance(7 * 50 + 10);
    once.popup.hidemsg();
    for (Rig* rig : {&unseen, &once}) {
      if (rig->timers.milliseconds() > row.ticks * 50) continue;
      rig->timers.advance(row.ticks * 50 + 30 - rig->timers.milliseconds());
      rig->popup.viewmsg("");
      EXPECT_EQ(rig->bar(), row.left);
      EXPECT_EQ(rig->timers.activeTimers(), 1);
      rig->popup.hidemsg();
      EXPECT_EQ(rig->timers.activeTimers(), 0);
      rig->timers.advance(20);
      rig->popup.viewmsg("");
      EXPECT_EQ(rig->bar(), row.next);
    }
  }
}

}  // namespace
}  // namespace vorlane
