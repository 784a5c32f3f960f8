#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "logger/log_format.h"
#include "logger/logger_core.h"
#include "tests/fakes/fake_timers.h"

namespace vorlane {
namespace {

TEST(FormatSample, WritesTheCorrectlyRoundedFifteenSignificantDigitsWithoutExponent) {
  const std::pair<double, const char*> cases[] = {
      {-0.0, "0"},
      {99.99999999999999, "100"},
      {123456789012345678.0, "123456789012346000"},
      {1000000000000005.0, "1000000000000000"},  // halves to even
      {1000000000000015.0, "1000000000000020"},
      {999999999999999.5, "1000000000000000"},
      {1e-20, "0.00000000000000000001"},
      {std::numeric_limits<double>::quiet_NaN(), ""},
      {std::numeric_limits<double>::infinity(), ""},
  };
  for (const auto& [value, line] : cases) {
    EXPECT_EQ(formatSample(value), line) << value;
  }
  // The C library's correctly rounding "%.14e" is the reference, at every size.
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
    const std::string line = formatSample(value);
    ASSERT_EQ(line.find_first_of("eE"), std::string::npos) << line;
    ASSERT_EQ(std::strtod(line.c_str(), nullptr), std::strtod(reference, nullptr))
        << reference << " written as " << line;
  }
}

// Whatever the cut into pieces, the same samples and skips, and an endless
// line is one skipped field held in fixed memory.
TEST(LogFieldReader, RoundsSamplesHalfToEvenAndSkipsTheRestWhereverThePiecesAreCut) {
  static_assert(sizeof(LogFieldReader) <= 2 * LogFieldReader::kLongestField);
  const std::string log =
      std::string(1 << 17, '7') + "\r\n" +
      "40\r\n12.5\n13.5\n.5\t0.5,1.5 100\r\n\r\n0,,+5 5. 1e1 2.5E+1 -0 3.7e-1 00042 \r\n"
      "garbage\r\n-1\r\n100.5\r\n1e300\r\n1e999\r\ninf\r\nnan\r\n0x10\r\n.\r\n1e\r\n"
      "12abc\r\n4-2\r\n--5\r\n1..2\r\n\"7\"\r\n1e-400\r\n1e-310\r\n" +
      std::string("\0\x01\xff", 3) + "\r\n" + std::string(63, '0') + "1\r\n" +
      std::string(63, '0') + "42\r\n60\r\n37.59";
  // 1e-400 underflows to nothing (skipped); 1e-310 is a tiny number, 0. 64
  // bytes are a field; 65 are too long, even when they spell a sample.
  const std::vector<std::int32_t> expected{40, 12, 14, 0, 0,  2, 100, 0,  5, 5,
                                           10, 25, 0,  0, 42, 0, 1,   60, 38};
  EXPECT_EQ(parseLogFields(log), expected);
  for (const std::size_t pieceSize : {1u, 2u, 7u, 64u, 65u}) {
    SCOPED_TRACE(pieceSize);
    LogFieldReader reader;
    std::vector<std::int32_t> samples;
    const auto keep = [&samples](std::int32_t sample) { samples.push_back(sample); };
    for (std::size_t at = 0; at < log.size(); at += pieceSize) {
      reader.feed(std::string_view(log).substr(at, pieceSize), keep);
    }
    reader.finish(keep);
    EXPECT_EQ(samples, expected);
  }
}

struct FakeHost final : MemoryStatusSource, TextFiles {
  MemoryStatus read() override { return status; }
  OpenedText openForReading(const std::string&) override { return {}; }
  bool truncate(const std::string& path) override {
    const bool writable = append(path, "");
    if (writable) {
      log.clear();
    }
    return writable;
  }
  bool append(const std::string& path, std::string_view text) override {
    if (failing || path != "C:\\Apps\\log.dat") {
      return false;
    }
    log += text;
    return true;
  }
  MemoryStatus status{1000, 250};
  std::string log = "50\r\n";
  bool failing = false;
};

TEST(LoggerCore, EmptiesTheLogThenAppendsASampleAMinuteAndAFailureCostsOnlyThatSample) {
  FakeHost host;
  testing::FakeTimerService timers;
  LoggerCore logger("C:\\Apps\\log.dat", host, host, timers);
  timers.advance(60000);
  EXPECT_EQ(host.log, "50\r\n") << "no sample before the start";
  EXPECT_TRUE(logger.start());
  timers.advance(59999);
  EXPECT_EQ(host.log, "");
  timers.advance(1);
  host.status = {3, 2};
  timers.advance(60000);
  host.failing = true;
  timers.advance(60000);
  EXPECT_FALSE(logger.start());
  host.failing = false;
  host.status = {1000, 1000};
  timers.advance(60000);
  EXPECT_EQ(host.log, "25\r\n66.6666666666667\r\n100\r\n");
}

}  // namespace
}  // namespace vorlane
