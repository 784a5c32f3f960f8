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

// Reads the samples of a log as a stream of pieces, as the sequential-file
// reader reads fields: fields are separated by line ends (CR LF or LF), commas,
// blanks or tabs, and a field may be cut between two pieces. Each field is a
// decimal number (".5", "0.5", "37.5938415527344", an exponent is accepted
// too) rounded to a whole percent, halves to the even neighbour. A field that
// is not a number, lies outside 0..100, or is longer than kLongestField bytes
// is skipped: one torn line must not throw away the rest of the learning, and
// it never reads as 0. What the reader holds is one field at most, so any
// amount of input (an endless line included) takes the same small memory.
class LogFieldReader {
 public:
  // The logger writes at most 17 bytes; 64 leave room for any honest writer.
  static constexpr std::size_t kLongestField = 64;

  // Reads `piece`, which follows the pieces fed before, and calls
  // `onSample(std::int32_t)` for every sample whose field ends in it.
  template <typename OnSample>
  void feed(std::string_view piece, OnSample&& onSample) {
    std::size_t at = 0;
    while (at < piece.size()) {
      if (isSeparator(piece[at])) {
        if (const auto sample = endField()) {
          onSample(*sample);
        }
        ++at;
        continue;
      }
      std::size_t end = at;
      while (end < piece.size() && !isSeparator(piece[end])) {
        ++end;
      }
      const std::string_view part = piece.substr(at, end - at);
      // A whole field inside the piece is read where it lies; only a field
      // cut by the piece's end is held for the next.
      if (end < piece.size() && length_ == 0 && !overlong_) {
        if (const auto sample = wholeField(part)) {
          onSample(*sample);
        }
      } else {
        hold(part);
      }
      at = end;
    }
  }
  // The log has ended: a field cut off by its end counts too.
  template <typename OnSample>
  void finish(OnSample&& onSample) {
    if (const auto sample = endField()) {
      onSample(*sample);
    }
  }
  // Fields skipped so far because they were not samples.
  std::size_t skipped() const { return skipped_; }

  static bool isSeparator(char c) {
    return c == '\r' || c == '\n' || c == ',' || c == ' ' || c == '\t';
  }

 private:
  // The sample of the field held so far, if it is one; empties the field.
  std::optional<std::int32_t> endField();
  // The sample of a field seen whole, if it is one.
  std::optional<std::int32_t> wholeField(std::string_view field);
  // Keeps the start of a field cut by the end of a piece.
  void hold(std::string_view part);

  char field_[kLongestField] = {};
  std::size_t length_ = 0;
  bool overlong_ = false;
  std::size_t skipped_ = 0;
};

// Every sample of `content`, in file order.
std::vector<std::int32_t> parseLogFields(std::string_view content);

}  // namespace vorlane
