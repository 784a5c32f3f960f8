#include "logger/log_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <utility>

#include "host/rounding.h"

namespace vorlane {
namespace {

TEST(FormatSample, WritesFifteenSignificantDigitsWithoutExponent) {
  const std::pair<double, const char*> cases[] = {
      {37.59384155273438, "37.5938415527344"},
      {100.0, "100"},
      {5.5, "5.5"},
      {0.5, "0.5"},
      {0.0, "0"},
      {-0.0, "0"},
      {-5.25, "-5.25"},
      {200.0 / 3.0, "66.6666666666667"},
      {0.1 + 0.2, "0.3"},
      {99.99999999999999, "100"},
      {123456789012345678.0, "123456789012346000"},
      {0.000123456789012345678, "0.000123456789012346"},
      {1e-7, "0.0000001"},
      {1e-20, "0.00000000000000000001"},
      {1e20, "100000000000000000000"},
      {std::numeric_limits<double>::quiet_NaN(), ""},
      {std::numeric_limits<double>::infinity(), ""},
  };
  for (const auto& [value, line] : cases) {
    EXPECT_EQ(formatSample(value), line) << value;
  }
}

// The digits are worked out without printf; the C library's correctly rounding
// "%.14e" is the reference, for doubles of every magnitude.
TEST(FormatSample, HasTheCorrectlyRoundedDigitsOfEveryDouble) {
  std::uint64_t seed = 987654321;
  for (int i = 0; i < 20000; ++i) {
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    double value = 0.0;
    std::memcpy(&value, &seed, sizeof value);
    if (!std::isfinite(value) || value == 0.0) {
      continue;
    }
    char reference[64];
    std::snprintf(reference, sizeof reference, "%.14e", value);
    std::string wanted;
    for (const char* c = reference; *c != 'e'; ++c) {
      if (*c >= '0' && *c <= '9') {
        wanted += *c;
      }
    }
    const std::string line = formatSample(value);
    std::string digits;
    for (const char c : line) {
      if (c >= '0' && c <= '9' && !(digits.empty() && c == '0')) {
        digits += c;
      }
    }
    wanted.erase(wanted.find_last_not_of('0') + 1);
    digits.erase(digits.find_last_not_of('0') + 1);
    ASSERT_EQ(digits, wanted) << reference << " written as " << line;
    ASSERT_EQ(std::strtod(line.c_str(), nullptr), std::strtod(reference, nullptr))
        << reference << " written as " << line;
  }
}

TEST(FormatSample, ReadsBackAsTheRoundedSample) {
  // Percentages as the logger works them out from many memory figures.
  std::uint64_t seed = 12345;
  for (int i = 0; i < 10000; ++i) {
    seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
    const std::uint64_t total = (seed >> 20) % (64ULL << 30) + 1;
    const std::uint64_t avail = (seed >> 7) % (total + 1);
    const double sample = static_cast<double>(avail) / static_cast<double>(total) * 100.0;
    const std::string line = formatSample(sample);
    ASSERT_EQ(line.find_first_of("eE,"), std::string::npos) << line;
    EXPECT_NEAR(std::strtod(line.c_str(), nullptr), sample, sample * 1e-14) << line;
    const auto read = parseLogFields(line + "\r\n");
    ASSERT_EQ(read.size(), 1u) << line;
    EXPECT_EQ(read[0], roundHalfEven(sample)) << line;
  }
}

TEST(ParseLogFields, RoundsHalfToEvenAndTakesEverySeparatorAndSpelling) {
  using Samples = std::vector<std::int32_t>;
  const std::pair<const char*, Samples> cases[] = {
      {"37.4\r\n38.6\r\n12.5\r\n13.5\r\n", {37, 39, 12, 14}},
      {".5\n0.5\n1.5\n100\n0", {0, 0, 2, 100, 0}},
      {"\r\n\r\n10\r\n\n\r\n20,30\t ,,40 \r\n\r\n", {10, 20, 30, 40}},
      {"+5 5. 1e1 2.5E+1 -0 3.7e-1 00042", {5, 5, 10, 25, 0, 0, 42}},
      {"\r\n \r\n", {}},
  };
  for (const auto& [log, samples] : cases) {
    EXPECT_EQ(parseLogFields(log), samples) << log;
  }
}

// Whatever the cut of the log into pieces, the same samples and skips come out.
TEST(LogFieldReader, SkipsFieldsThatAreNotSamplesWhereverThePiecesAreCut) {
  const std::string log =
      "40\r\ngarbage\r\n-1\r\n100.5\r\n1e300\r\n1e999\r\ninf\r\nnan\r\n0x10\r\n.\r\n1e\r\n"
      "12abc\r\n4-2\r\n--5\r\n1..2\r\n\"7\"\r\n1e-400\r\n1e-310\r\n" +
      std::string("\0\x01\xff", 3) + "\r\n" + std::string(63, '0') + "1\r\n" +
      std::string(63, '0') + "42\r\n60\r\n37.59";
  for (const std::size_t pieceSize : {std::size_t{1}, std::size_t{2}, std::size_t{7},
                                      std::size_t{64}, std::size_t{65}, log.size()}) {
    SCOPED_TRACE(pieceSize);
    LogFieldReader reader;
    std::vector<std::int32_t> samples;
    const auto keep = [&samples](std::int32_t sample) { samples.push_back(sample); };
    for (std::size_t at = 0; at < log.size(); at += pieceSize) {
      reader.feed(std::string_view(log).substr(at, pieceSize), keep);
    }
    reader.finish(keep);
    // 1e-400 underflows to nothing (skipped); 1e-310 is a tiny number, 0. 64
    // bytes are a field; 65 are too long, even when they spell a sample.
    EXPECT_EQ(samples, (std::vector<std::int32_t>{40, 0, 1, 60, 38}));
    EXPECT_EQ(reader.skipped(), 18u);
  }
}

TEST(LogFieldReader, AnEndlessLineIsOneSkippedFieldInFixedMemory) {
  static_assert(sizeof(LogFieldReader) <= 2 * LogFieldReader::kLongestField);
  const std::string junk(1 << 20, '7');
  LogFieldReader reader;
  int samples = 0;
  for (int i = 0; i < 64; ++i) {
    reader.feed(junk, [&samples](std::int32_t) { ++samples; });
  }
  reader.feed("\r\n55\r\n", [&samples](std::int32_t) { ++samples; });
  EXPECT_EQ(samples, 1);
  EXPECT_EQ(reader.skipped(), 1u);
}

}  // namespace
}  // namespace vorlane
