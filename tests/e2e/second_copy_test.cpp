// A second start while Vorlane runs is the way back to the options screen: no
// splash, a welcome, the options screen, and Apply ends that copy alone.

#include "tests/e2e/scenario.h"

namespace vorlane::e2e {
namespace {

class SecondCopy : public Scenario {};

TEST_F(SecondCopy, WelcomesToTheOptionsScreenAndApplyEndsItWithoutPages) {
  // The first copy: a later start that learned its log and now watches,
  // with plenty of memory free so it never clears.
  setSetting("firstuse", "True");
  setSetting("mode", "normal");
  ASSERT_TRUE(writeFileText(path("log.dat"), "37.4\r\n38.6\r\n"));
  const Environment environment = fastEnvironment(10, "1073741824 966367641");
  const Process first = start("Vorlane.exe", environment);
  ASSERT_TRUE(waitForOneLogger()) << "the first copy started no logger";
  ASSERT_TRUE(eventually([&] { return visibleTopWindows(first.id()).empty(); }, 5000))
      << "the first copy did not go quiet to watch";

  const Process second = start("Vorlane.exe", environment);
  const DWORD pid = second.id();
  TextWatch opening(pid);
  ASSERT_TRUE(
      opening.watchUntil([&] { return opening.seen("Welcome to the options screen!"); }, 5000, 5));
  EXPECT_FALSE(opening.seen("ZendrySoft")) << "the second copy showed the splash";
  EXPECT_FALSE(opening.seenStartingWith("Loading"));
  // The options screen comes only after the click.
  opening.watchFor(300, 5);
  EXPECT_FALSE(opening.seen("Options"));
  HWND welcome = waitForText(pid, "Welcome to the options screen!", 1000);
  ASSERT_NE(welcome, nullptr);
  EXPECT_TRUE(saveScreenshot(welcome, "secondcopy-1-welcome"));
  ASSERT_TRUE(clickText(pid, "Next"));

  HWND title = waitForText(pid, "Options", 5000);
  ASSERT_NE(title, nullptr);
  EXPECT_TRUE(saveScreenshot(title, "secondcopy-2-options"));
  ASSERT_TRUE(chooseOption(pid, "Stealth "));
  HWND apply = findChildOfClass(pid, kApplyButtonClass);
  ASSERT_NE(apply, nullptr);
  click(apply);

  TextWatch ending(pid);
  ending.watchUntil([&] { return !second.running(); }, 5000, 5);
  EXPECT_EQ(second.waitForExit(1000), std::optional<DWORD>(0));
  EXPECT_FALSE(ending.seenStartingWith("Vorlane will now start")) << "the pages showed";

  EXPECT_EQ(setting("firstuse"), std::optional<std::string>("False"));
  EXPECT_EQ(setting("mode"), std::optional<std::string>("stealth"));
  EXPECT_EQ(setting("startrun"), std::optional<std::string>("true"));
  EXPECT_EQ(runValue(), std::optional<std::string>(expectedRunValue()));
  EXPECT_TRUE(first.running()) << "the first copy ended with the second";
  EXPECT_EQ(loggersRunning(), 1u);
}

}  // namespace
}  // namespace vorlane::e2e
