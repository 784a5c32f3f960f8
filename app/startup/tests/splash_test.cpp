#include "app/startup/splash.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/fakes/fake_popup.h"
#include "tests/fakes/fake_timers.h"

namespace vorlane {
namespace {

using Journal = std::vector<std::string>;

class FakeSplashView final : public SplashView {
 public:
  explicit FakeSplashView(Journal& journal) : journal_(journal) {}
  std::string loadingCaption() const override { return caption; }
  void setLoadingCaption(const std::string& text) override { caption = text; }
  void hide() override { journal_.push_back("hide splash"); }
  void unload() override { journal_.push_back("unload splash"); }
  std::string caption = "Loading...";

 private:
  Journal& journal_;
};

class FakeStartController final : public StartController {
 public:
  explicit FakeStartController(Journal& journal) : journal_(journal) {}
  void start() override { journal_.push_back("start"); }
  void showOptionsScreen() override { journal_.push_back("show options"); }

 private:
  Journal& journal_;
};

TEST(NextLoadingFrame, CyclesThroughSixFramesAndKeepsAnyOtherCaption) {
  const std::pair<const char*, const char*> frames[] = {
      {"Loading", "Loading."},
      {"Loading.", "Loading.."},
      {"Loading..", "Loading..."},
      {"Loading...", "Loading...."},
      {"Loading....", "Loading....."},
      {"Loading.....", "Loading"},
      {"Loading......", "Loading......"},
      {"loading", "loading"},
      {"Loading ", "Loading "},
      {"", ""},
  };
  for (const auto& [now, next] : frames) {
    EXPECT_EQ(nextLoadingFrame(now), next) << '"' << now << '"';
  }
}

class SplashTest : public ::testing::Test {
 protected:
  Journal journal_;
  FakeSplashView view_{journal_};
  testing::FakeTimerService timers_;
  testing::FakePopup popup_{journal_};
  FakeStartController controller_{journal_};
  Splash splash_{view_, timers_, popup_, controller_};
};

TEST_F(SplashTest, HandsOverOnceAfterThreeSecondsHidingItselfFirst) {
  EXPECT_TRUE(splash_.load(false));
  timers_.advance(75);
  EXPECT_EQ(view_.caption, "Loading....");
  timers_.advance(75);
  EXPECT_EQ(view_.caption, "Loading.....");
  timers_.advance(75);
  EXPECT_EQ(view_.caption, "Loading");

  timers_.advance(2999 - 225);
  EXPECT_TRUE(journal_.empty());
  timers_.advance(1);
  EXPECT_EQ(journal_, (Journal{"hide splash", "start"}));

  // Neither the hand-over nor the hidden animation goes on.
  const std::string frozen = view_.caption;
  timers_.advance(60000);
  EXPECT_EQ(journal_.size(), 2u);
  EXPECT_EQ(view_.caption, frozen);
  EXPECT_EQ(timers_.activeTimers(), 0);
}

TEST_F(SplashTest, ASecondCopyWelcomesTheUserToTheOptionsWithoutStarting) {
  popup_.onWait = [this](const std::string&) { journal_.push_back("click Next"); };
  EXPECT_FALSE(splash_.load(true));
  EXPECT_EQ(journal_, (Journal{"unload splash", "mention: Welcome to the options screen!",
                               "click Next", "show options"}));
  EXPECT_EQ(timers_.activeTimers(), 0);
  timers_.advance(10000);
  EXPECT_EQ(journal_.size(), 4u);
}

}  // namespace
}  // namespace vorlane
