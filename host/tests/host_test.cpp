#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "host/accessible.h"
#include "host/diagnostics.h"
#include "host/memory_status.h"
#include "host/program_folder.h"
#include "host/property_bag.h"
#include "host/rounding.h"
#include "host/twips.h"

namespace vorlane {
namespace {

using namespace std::string_literals;

TEST(Accessible, NamesWithoutAccessMarksShortcutsAndPercentOfTheRange) {
  const std::pair<const char*, const char*> names[] = {
      {"A&&B&c", "A&Bc"}, {"Close&", "Close&"}, {"&", "&"}, {"", ""}, {"&&&x", "&x"}};
  for (const auto& [caption, name] : names) {
    EXPECT_EQ(textWithoutAccessMarks(caption), name) << caption;
  }
  EXPECT_EQ(accessKeyShortcut('p'), "Alt+P");
  EXPECT_EQ(accessKeyShortcut('7'), "Alt+7");
  EXPECT_EQ(accessKeyShortcut('\0'), "");
  // Rounded half to even and held to the bar.
  const struct {
    double value, min, max;
    const char* text;
  } percents[] = {{91, 0, 200, "46%"},   {89, 0, 200, "44%"}, {15, 10, 20, "50%"},
                  {101, 0, 100, "100%"}, {-5, 0, 100, "0%"},  {5, 5, 5, "100%"},
                  {4, 5, 5, "0%"},       {1, 0, 3, "33%"}};
  for (const auto& c : percents) {
    EXPECT_EQ(percentText(c.value, c.min, c.max), c.text) << c.value << " of " << c.max;
  }
}

TEST(Diagnostics, TimeScaleAndMemoryFiguresFromTextAndFreePercent) {
  const std::pair<const char*, unsigned> scales[] = {
      {"60", 60}, {nullptr, 1}, {"0", 1}, {"-5", 1}, {"12x", 1}, {"99999999999999999999999", 1}};
  for (const auto& [text, scale] : scales) {
    EXPECT_EQ(parseTimeScale(text), scale) << (text ? text : "(unset)");
  }
  // Divided with a 10 ms floor; unscaled intervals are left to the system.
  const unsigned intervals[][3] = {{60000, 60, 1000}, {50, 60, 10}, {3000, 1000, 10},
                                   {50, 1, 50},       {5, 1, 5},    {0, 60, 0}};
  for (const auto& c : intervals) {
    EXPECT_EQ(scaledInterval(c[0], c[1]), c[2]) << c[0] << " / " << c[1];
  }
  const auto status = parseMemoryFigures("8589934592 1073741824\r\n");
  ASSERT_TRUE(status);
  EXPECT_EQ(status->totalPhysBytes, 8589934592ULL);
  EXPECT_EQ(status->availPhysBytes, 1073741824ULL);
  for (const std::string& text :
       {""s, "100"s, "100 abc"s, "abc 100"s, "100 50 7"s, "-100 50"s, "0 0"s, "50 100"s, "100 50x"s,
        "99999999999999999999999 5"s, "100 50" + std::string(kMemoryFileMaxBytes, ' ')}) {
    EXPECT_FALSE(parseMemoryFigures(text)) << text;
  }
  EXPECT_TRUE(parseMemoryFigures("100 50" + std::string(kMemoryFileMaxBytes - 6, ' ')));
  // Free percent: the true 64-bit figures unrounded, and no total as all free.
  const std::tuple<std::uint64_t, std::uint64_t, double> cases[] = {
      {24ULL << 30, 6ULL << 30, 25.0}, {3, 1, 100.0 / 3.0}, {0, 0, 100.0}, {0, 5, 100.0}};
  for (const auto& [total, avail, percent] : cases) {
    EXPECT_DOUBLE_EQ(freePercent(MemoryStatus{total, avail}), percent) << total;
  }
}

// A drive root keeps its one backslash, any other folder gets exactly one.
TEST(ProgramFolder, FromExePathToFolderTextAndProgfolder) {
  const struct {
    std::string exePath, folderText, progfolder;
  } cases[] = {{"C:\\Vorlane.exe", "C:\\", "C:\\"},
               {"C:\\Apps\\Vorlane.exe", "C:\\Apps", "C:\\Apps\\"},
               {"\\\\server\\share\\Vorlane.exe", "\\\\server\\share", "\\\\server\\share\\"},
               {"Vorlane.exe", "", ""},
               {"", "", ""}};
  for (const auto& c : cases) {
    EXPECT_EQ(folderText(c.exePath), c.folderText) << c.exePath;
    EXPECT_EQ(progfolder(c.folderText), c.progfolder) << c.exePath;
  }
  EXPECT_EQ(progfolder("C:"), "C:");
}

TEST(PropertyBag, DefaultsAreLeftOutEveryTypeRoundTripsAndBadTextReadsAsTheDefault) {
  PropertyBag bag;
  EXPECT_EQ(bag.readInt("Min", -7), -7);
  EXPECT_DOUBLE_EQ(bag.readDouble("Size", 8.25), 8.25);
  EXPECT_EQ(bag.readString("Caption", "Ap&ply"), "Ap&ply");
  bag.writeInt("Min", -40, 0);
  bag.writeDouble("Size", 9.75, 8.25);
  bag.write("Caption", "Stealth ");
  EXPECT_EQ(bag.read("Min"), "-40");
  EXPECT_EQ(bag.readInt("Min", 0), -40);
  EXPECT_DOUBLE_EQ(bag.readDouble("Size", 8.25), 9.75);
  EXPECT_EQ(bag.readString("Caption", ""), "Stealth ");
  bag.writeInt("Min", 0, 0);
  bag.writeDouble("Size", 8.25, 8.25);
  bag.remove("Caption");
  EXPECT_TRUE(bag.values().empty());
  // Stored text reads as its value, bad text as the default (unset here).
  constexpr auto kNone = std::nullopt;
  const std::tuple<const char*, std::optional<bool>, std::optional<std::int32_t>> cases[] = {
      {"False", false, kNone}, {"false", false, kNone}, {"True", true, kNone},
      {"true", true, kNone},   {"0", false, 0},         {"-1", true, -1},
      {"maybe", kNone, kNone}, {"12abc", kNone, kNone}, {"99999999999", true, kNone},
      {"", kNone, kNone}};
  for (const auto& [stored, truth, integer] : cases) {
    bag.write("Key", stored);
    EXPECT_EQ(bag.readBool("Key", true), truth.value_or(true)) << stored;
    EXPECT_EQ(bag.readBool("Key", false), truth.value_or(false)) << stored;
    EXPECT_EQ(bag.readInt("Key", 7), integer.value_or(7)) << stored;
  }
  bag.write("Key", "-2147483648");
  EXPECT_EQ(bag.readInt("Key", 7), std::numeric_limits<std::int32_t>::min()) << "the lowest fits";
  for (const char* size : {"8.25pt", ""}) {
    bag.write("Size", size);
    EXPECT_DOUBLE_EQ(bag.readDouble("Size", 4.0), 4.0) << size;
  }
}

TEST(Rounding, HalvesToEvenOutOfRangeClampedAndTwipsAndPointsToPixels) {
  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
  const std::pair<double, std::int64_t> cases[] = {
      {12.5, 12},     {13.5, 14},     {-0.5, 0},         {-1.5, -2},    {-2.5, -2},
      {2.4999999, 2}, {2.5000001, 3}, {std::nan(""), 0}, {1e300, kMax}, {-1e300, kMin}};
  for (const auto& [value, rounded] : cases) {
    EXPECT_EQ(roundHalfEven(value), rounded) << value;
  }
  const std::tuple<double, int, int, int> lengths[] = {
      {3240, 96, 216, 4320}, {50, 96, 3, 67},   {7.5, 96, 0, 10},       {22.5, 96, 2, 30},
      {8.25, 96, 1, 11},     {9.75, 96, 1, 13}, {1440, 120, 120, 2400}, {3240, 144, 324, 6480}};
  for (const auto& [length, dpi, twips, points] : lengths) {
    EXPECT_EQ(twipsToPixels(length, dpi), twips) << length << " at " << dpi;
    EXPECT_EQ(pointsToPixels(length, dpi), points) << length << " at " << dpi;
  }
}

}  // namespace
}  // namespace vorlane
