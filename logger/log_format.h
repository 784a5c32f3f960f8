#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane {

// The text of one log.dat line, without its line end: the value rounded to 15
// significant digits, trailing zeros dropped, "." only when a fraction is left,
// a leading "0" below 1, and never an exponent (1e-7 is "0.0000001"). A value
// that is not finite has no such text: the result is empty.
std::string formatSample(double value);

// Reads the samples of a log one field at a time, as the sequential-file reader
// does: fields are separated by line ends (CR LF or LF), commas, blanks or tabs.
// Each field is a decimal number (".5", "0.5", "37.5938415527344", an exponent
// is accepted too) rounded to a whole percent, halves to the even neighbour. A
// field that is not a number, or lies outside 0..100, is skipped: one torn line
// must not throw away the rest of the learning, and it never reads as 0.
class LogFieldReader {
 public:
  // `content` must outlive the reader.
  explicit LogFieldReader(std::string_view content) : content_(content) {}

  // The next sample, or nothing once the content is used up.
  std::optional<std::int32_t> next();
  // Fields skipped so far because they were not samples.
  std::size_t skipped() const { return skipped_; }

 private:
  std::string_view content_;
  std::size_t pos_ = 0;
  std::size_t skipped_ = 0;
};

// Every sample of `content`, in file order.
std::vector<std::int32_t> parseLogFields(std::string_view content);

}  // namespace vorlane
