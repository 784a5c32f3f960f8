#include "popup/frmmsg.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "tests/fakes/fake_pump.h"
#include "tests/fakes/fake_timers.h"

namespace vorlane {
namespace {

using testing::FakePump;
using testing::FakeTimerService;

// The window as the logic leaves it.
struct FakePopupView final : PopupView {
  void setLinkText(const std::string& text) override { link = text; }
  void setLinkUnderline(bool value) override {
    underline = value;
    ++underlineChanges;
  }
  void setTwoLineText(const std::string& text) override { twoLine = text; }
  void setOneLineText(const std::string& text) override { oneLine = text; }
  void setBarLeft(int twips) override { barLeft = twips; }
  void showOnTop() override {
    shown = true;
    ++shows;
  }
  void hide() override {
    shown = false;
    ++hides;
  }
  void takeForeground() override { foregroundRequests += shown ? 1 : 100; }

  std::string link;
  std::string twoLine;
  std::string oneLine;
  bool underline = false;
  int underlineChanges = 0;
  int barLeft = -1;
  bool shown = false;
  int shows = 0;
  int hides = 0;
  int foregroundRequests = 0;
};

frmmsg::ViewFactory makes(FakePopupView& view) {
  return [&view](frmmsg&) {
    struct Forward final : PopupView {
      explicit Forward(FakePopupView& target) : to(target) {}
      void setLinkText(const std::string& text) override { to.setLinkText(text); }
      void setLinkUnderline(bool value) override { to.setLinkUnderline(value); }
      void setTwoLineText(const std::string& text) override { to.setTwoLineText(text); }
      void setOneLineText(const std::string& text) override { to.setOneLineText(text); }
      void setBarLeft(int twips) override { to.setBarLeft(twips); }
      void showOnTop() override { to.showOnTop(); }
      void hide() override { to.hide(); }
      void takeForeground() override { to.takeForeground(); }
      FakePopupView& to;
    };
    return std::make_unique<Forward>(view);
  };
}

class FrmmsgTest : public ::testing::Test {
 protected:
  FakePopupView view;
  FakeTimerService timers;
  FakePump pump;
  FakeTimerService& clock = timers;
  frmmsg popup{makes(view), timers, pump, clock};

  void SetUp() override { popup.view(); }

  void click() {
    pump.script([this] { popup.linkClicked(); });
  }
};

TEST_F(FrmmsgTest, CreatedHiddenWithCloseLinkAndNothingRunning) {
  EXPECT_FALSE(view.shown);
  EXPECT_EQ(view.link, "Close");
  EXPECT_EQ(view.barLeft, 2400);
  EXPECT_FALSE(popup.closed());
  EXPECT_EQ(timers.activeTimers(), 0);  // a hidden pop-up wakes nothing
}

TEST_F(FrmmsgTest, OnlyCarriageReturnLineFeedMakesATwoLineText) {
  popup.viewmsg("first \r\nsecond");
  EXPECT_EQ(view.twoLine, "first \r\nsecond");
  EXPECT_EQ(view.oneLine, "");
  for (const std::string text : {"one line", "lone\rcr", "lone\nlf", "\n\r", "", "end\r"}) {
    popup.viewmsg(text);
    EXPECT_EQ(view.oneLine, text);
    EXPECT_EQ(view.twoLine, "") << "the previous text is always cleared first";
    EXPECT_TRUE(view.shown);
  }
}

// The keys (activateLink) act as a click exactly while the link shows a text;
// only the waiting pages ask for the foreground, once shown.
TEST_F(FrmmsgTest, LinkTextAfterEachOperationAndTheKeysThatActOnIt) {
  pump.script([this] { popup.activateLink(); });
  popup.mention("page");
  EXPECT_EQ(view.link, "Next");
  popup.viewmsg("status");
  EXPECT_EQ(view.link, "Next");
  popup.hidemsg();
  EXPECT_EQ(view.link, "Next");
  popup.timemsg("timed", 0);
  EXPECT_EQ(view.link, "");
  popup.activateLink();
  EXPECT_FALSE(popup.closed()) << "a text without a link ignores the keys";
  pump.script([this] { popup.activateLink(); });
  popup.showmsg("notice");
  EXPECT_EQ(view.link, "Close");
  EXPECT_EQ(popup.linkText(), "Close");
  EXPECT_EQ(view.foregroundRequests, 2);
}

TEST_F(FrmmsgTest, MentionWaitsForTheClickThenHidesAndClears) {
  pump.script([this] {
    EXPECT_TRUE(view.shown);
    EXPECT_EQ(view.oneLine, "Welcome to Zendry's Vorlane");
  });
  pump.script([this] { EXPECT_TRUE(view.shown) << "nothing but the click ends the wait"; });
  click();
  popup.mention("Welcome to Zendry's Vorlane");
  EXPECT_TRUE(pump.scriptEmpty());
  EXPECT_FALSE(view.shown);
  EXPECT_EQ(view.oneLine, "");
  EXPECT_EQ(view.twoLine, "");
  EXPECT_EQ(view.link, "Next");
  EXPECT_TRUE(popup.closed());
}

TEST_F(FrmmsgTest, MentionChainWaitsForEachPagesOwnClick) {
  std::vector<std::string> seen;
  auto look = [&] { seen.push_back(view.twoLine); };
  pump.script(look);
  click();
  pump.script(look);  // the second page is up and still waiting
  pump.script(look);
  click();
  popup.mention("Vorlane will now start \r\nlearning your memory usage...");
  popup.mention("Please use your computer \r\nas normally as possible...");
  EXPECT_TRUE(pump.scriptEmpty());
  EXPECT_EQ(seen,
            (std::vector<std::string>{"Vorlane will now start \r\nlearning your memory usage...",
                                      "Please use your computer \r\nas normally as possible...",
                                      "Please use your computer \r\nas normally as possible..."}));
  EXPECT_EQ(view.shows, 2);
}

TEST_F(FrmmsgTest, NestedWaitsEndTogether) {
  bool innerReturned = false;
  pump.script([&] {
    popup.mention("inner");
    innerReturned = true;
  });
  pump.script([this] { EXPECT_EQ(view.oneLine, "inner"); });
  click();
  popup.mention("outer");
  EXPECT_TRUE(innerReturned);
  EXPECT_TRUE(pump.scriptEmpty()) << "the outer wait needed no click of its own";
  EXPECT_EQ(pump.maxWaitDepth(), 2);
  EXPECT_FALSE(view.shown);
}

TEST_F(FrmmsgTest, StatusTextsFromATimerDuringAWaitDoNotEndIt) {
  int ticks = 0;
  auto status = timers.createTimer(100, true, [&] {
    ++ticks;
    if (ticks == 1) {
      popup.viewmsg("Clearing Ram... 30");
    } else if (ticks == 2) {
      popup.hidemsg();
    }
  });
  pump.onEveryTurn([this] { timers.advance(100); });
  pump.script([this] {
    EXPECT_EQ(view.oneLine, "Clearing Ram... 30");
    EXPECT_EQ(view.twoLine, "");
    EXPECT_FALSE(popup.closed());
  });
  pump.script([this] {
    EXPECT_FALSE(view.shown);
    EXPECT_FALSE(popup.closed());
  });
  click();
  popup.showmsg("notice \r\nsecond line");
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(view.shown);
}

TEST_F(FrmmsgTest, ClickWithoutAWaitOnlySetsClosedUntilTheNextWait) {
  popup.viewmsg("status");
  popup.linkClicked();
  EXPECT_TRUE(popup.closed());
  EXPECT_TRUE(view.shown);
  click();
  popup.mention("page");  // starts by clearing it, so it waits for its own click
  EXPECT_TRUE(pump.scriptEmpty());
}

TEST_F(FrmmsgTest, SweepRunsOnTheGridWithOneTimerWhileShown) {
  popup.viewmsg("status");
  std::set<int> positions;
  std::vector<int> firstTicks;
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(timers.activeTimers(), 1) << "exactly one of animate1, animate2";
    timers.advance(50);
    positions.insert(view.barLeft);
    if (i < 3) {
      firstTicks.push_back(view.barLeft);
    }
  }
  EXPECT_EQ(firstTicks, (std::vector<int>{2400, 2250, 2100}));
  EXPECT_EQ(positions.size(), 17u);
  for (int position : positions) {
    EXPECT_EQ(position % 150, 0);
  }
  popup.hidemsg();
  EXPECT_EQ(timers.activeTimers(), 0);
}

TEST_F(FrmmsgTest, HiddenSweepCatchesUpOnShow) {
  // 20 ticks unseen since creation: the turn at 2400, 16 down to 0, 3 up.
  timers.advance(20 * 50 + 30);
  popup.viewmsg("status");
  EXPECT_EQ(view.barLeft, 450);
  EXPECT_TRUE(popup.sweep().rightwards);
  // The part tick carried over: 20 ms more complete the 21st.
  popup.hidemsg();
  timers.advance(20);
  EXPECT_EQ(popup.sweep().left, 600);
  popup.viewmsg("again");
  EXPECT_EQ(view.barLeft, 600);
}

TEST_F(FrmmsgTest, HiddenSweepMatchesOneThatWasShownAllAlong) {
  FakePopupView watchedView;
  frmmsg watched{makes(watchedView), timers, pump, clock};
  watched.view();
  watched.viewmsg("always shown");
  popup.viewmsg("shown briefly");
  timers.advance(7 * 50);
  popup.hidemsg();
  timers.advance(12345 * 50);
  popup.viewmsg("shown again");
  EXPECT_EQ(view.barLeft, watchedView.barLeft);
  EXPECT_EQ(popup.sweep().rightwards, watched.sweep().rightwards);
  for (int i = 0; i < 40; ++i) {
    timers.advance(50);
    ASSERT_EQ(view.barLeft, watchedView.barLeft) << "and it keeps moving the same way";
  }
}

// `timemsg` with a time arms Timer1 as a time-out that sets `closed`; it takes
// the window away only while the timed text is still the one on show.
TEST_F(FrmmsgTest, TimemsgTimeOut) {
  struct Case {
    const char* name;
    std::int32_t time;
    std::function<void(frmmsg&)> after;  // what comes between timemsg and the time-out
    bool closed;
    bool shown;
    int hides;
  };
  const Case cases[] = {
      {"timed text alone", 500, nullptr, true, false, 1},
      {"no time", 0, nullptr, false, true, 0},
      {"negative time", -1, nullptr, false, true, 0},
      {"lowest time", INT32_MIN, nullptr, false, true, 0},
      {"another text took over", 500, [](frmmsg& p) { p.viewmsg("status"); }, true, true, 0},
      {"hidden before its time", 500, [](frmmsg& p) { p.hidemsg(); }, true, false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakePopupView caseView;
    FakeTimerService caseTimers;
    frmmsg caseTimed{makes(caseView), caseTimers, pump, caseTimers};
    caseTimed.timemsg("timed", c.time);
    EXPECT_EQ(caseView.link, "");
    if (c.after) {
      c.after(caseTimed);
    }
    caseTimers.advance(499);
    EXPECT_FALSE(caseTimed.closed()) << "not before its time";
    caseTimers.advance(100000);
    EXPECT_EQ(caseTimed.closed(), c.closed);
    EXPECT_EQ(caseView.shown, c.shown);
    EXPECT_EQ(caseView.hides, c.hides);
    EXPECT_EQ(caseTimers.activeTimers(), c.shown ? 1 : 0) << "Timer1 stops itself";
  }
}

TEST_F(FrmmsgTest, PendingTimeOutDoesNotEndAWaitForAClick) {
  popup.timemsg("timed", 100);
  pump.onEveryTurn([this] { timers.advance(100); });
  pump.script([] {});
  pump.script([this] { EXPECT_TRUE(view.shown); });
  click();
  popup.mention("page");
  EXPECT_TRUE(pump.scriptEmpty());
}

TEST_F(FrmmsgTest, LinkUnderlinedFromHoverUntilTheBarePanel) {
  popup.pointerOverLink();
  popup.pointerOverLink();
  EXPECT_TRUE(view.underline);
  EXPECT_EQ(view.underlineChanges, 2) << "the font changes once, not on every move";
  popup.hidemsg();
  popup.viewmsg("back");
  EXPECT_TRUE(popup.linkUnderlined()) << "leaving the window keeps the underline";
  popup.pointerOverPanel();
  EXPECT_FALSE(view.underline);
  EXPECT_FALSE(popup.linkUnderlined());
}

TEST_F(FrmmsgTest, WaitEndsEarlyWhenTheProgramEnds) {
  pump.script([this] { pump.endProgram(); });
  popup.mention("page");
  EXPECT_FALSE(view.shown);
}

TEST(FrmmsgCreation, ViewMadeByTheFirstOperationOnly) {
  FakePopupView view;
  FakeTimerService timers;
  FakePump pump;
  int creations = 0;
  frmmsg popup(
      [&](frmmsg& model) {
        ++creations;
        return makes(view)(model);
      },
      timers, pump, timers);
  EXPECT_EQ(creations, 0);
  popup.hidemsg();
  popup.viewmsg("a");
  popup.timemsg("b", 0);
  EXPECT_EQ(creations, 1);
  EXPECT_EQ(view.oneLine, "b");
}

}  // namespace
}  // namespace vorlane
