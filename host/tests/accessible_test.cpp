#include "host/accessible.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

TEST(Accessible, NamesReadAsDrawnWithoutAccessMarks) {
  const struct {
    const char* caption;
    const char* name;
  } cases[] = {{"Ap&ply", "Apply"}, {"Save && Exit", "Save & Exit"},
               {"A&&B&c", "A&Bc"},  {"Close&", "Close&"},
               {"&", "&"},          {"", ""},
               {"&&&x", "&x"}};
  for (const auto& c : cases) {
    EXPECT_EQ(textWithoutAccessMarks(c.caption), c.name) << c.caption;
  }
  EXPECT_EQ(accessKeyShortcut('p'), "Alt+P");
  EXPECT_EQ(accessKeyShortcut('7'), "Alt+7");
  EXPECT_EQ(accessKeyShortcut('\0'), "");
}

TEST(Accessible, PercentOfTheRangeRoundedHalfToEvenAndHeldToTheBar) {
  const struct {
    double value, min, max;
    const char* text;
  } cases[] = {{0, 0, 100, "0%"},   {45, 0, 100, "45%"},   {91, 0, 200, "46%"}, {89, 0, 200, "44%"},
               {15, 10, 20, "50%"}, {101, 0, 100, "100%"}, {-5, 0, 100, "0%"},  {5, 5, 5, "100%"},
               {4, 5, 5, "0%"},     {0, 0, 0, "100%"},     {1, 0, 3, "33%"}};
  for (const auto& c : cases) {
    EXPECT_EQ(percentText(c.value, c.min, c.max), c.text)
        << c.value << " of " << c.min << ".." << c.max;
  }
}

}  // namespace
}  // namespace vorlane
