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

// Reads a log's samples from a stream of pieces, as the sequential-file reader
// reads fields: separated by line ends (CR LF or LF), commas, blanks or tabs,
// and possibly cut between pieces. Each field is a decimal number (".5", "0.5",
// "37.5938415527344", an exponent too) rounded to a whole percent, halves to
// even. A field that is not a number, lies outside 0..100 or is longer than
// kLongestField is skipped, never read as 0: one torn line must not throw away
// the learning. One field at most is held: any input takes the same memory.
class LogFieldReader {
 public:
  // The logger writes at most 17 bytes; 64 leave room for any honest writer.
  static constexpr std::size_t kLongestField = 64;

  // Reads `piece`, which follows the pieces fed before, and calls
  // `onSample(std::int32_t)` for every sample whose field ends in it.
  template <typename OnSample>
  void feed(std::string_view piece, OnSample&& onSample) {
    for (const char c : piece) {
      if (isSeparator(c)) {
        if (const auto sample = endField()) {
          onSample(*sample);
        }
      } else if (length_ < kLongestField) {
        field_[length_++] = c;
      } else {
        overlong_ = true;
      }
    }
  }
  // The log has ended: a field cut off by its end counts too.
  template <typename OnSample>
  void finish(OnSample&& onSample) {
    if (const auto sample = endField()) {
      onSample(*sample);
    }
  }

 private:
  static bool isSeparator(char c) {
    return c == '\r' || c == '\n' || c == ',' || c == ' ' || c == '\t';
  }
  // The sample of the field held so far, if it is one; empties the field.
  std::optional<std::int32_t> endField();

  char field_[kLongestField] = {};
  std::size_t length_ = 0;
  bool overlong_ = false;
};

// Every sample of `content`, in file order.
std::vector<std::int32_t> parseLogFields(std::string_view content);

}  // namespace vorlane
