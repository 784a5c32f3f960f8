#include "app/learning/tabulation.h"

#include <memory>
#include <vector>

#include "host/rounding.h"
#include "logger/log_format.h"
#include "logger/logger_core.h"

namespace vorlane {

OpenedText Tabulation::openWhenAvailable(const std::string& path) {
  auto& [popup, pump, lifetime, files, settings, timers] = services_;
  OpenedText opened = files.openForReading(path);
  if (opened.failure != OpenFailure::Unavailable) {
    return opened;
  }
  bool ticked = false;
  const auto retry = timers.createTimer(kRetryMilliseconds, true, [&ticked] { ticked = true; });
  for (int attempt = 0; attempt < kRetries; ++attempt) {
    ticked = false;
    pump.waitUntil([&ticked] { return ticked; });
    if (lifetime.ending()) {
      return {};
    }
    opened = files.openForReading(path);
    if (opened.failure != OpenFailure::Unavailable) {
      return opened;
    }
  }
  return opened;
}

bool Tabulation::readSamples(TextReader& reader) {
  auto& [popup, pump, lifetime, files, settings, timers] = services_;
  // A 64-bit sum of values of at most 100 cannot overflow, however long the log.
  unsigned sinceOffer = 0;
  const auto add = [&](std::int32_t sample) {
    ++count_;
    sum_ += sample;
    if (++sinceOffer == kSamplesPerOffer) {
      sinceOffer = 0;
      pump.pumpIfDue();
    }
  };
  LogFieldReader fields;
  std::vector<char> piece(kPieceBytes);
  for (;;) {
    // A failing read ends the reading as the end of the file does: what was
    // read so far is learned, but not a field it cut, which may be torn.
    const auto got = reader.read(piece.data(), piece.size());
    if (!got) {
      return true;
    }
    if (*got == 0) {
      break;
    }
    fields.feed(std::string_view(piece.data(), *got), add);
    // Per piece too: megabytes without a sample still leave the loop served.
    pump.pumpIfDue();
    if (lifetime.ending()) {
      return false;
    }
  }
  fields.finish(add);
  return true;
}

TabulateOutcome Tabulation::tabulate(const std::string& progfolder,
                                     TabulationController& controller) {
  auto& [popup, pump, lifetime, files, settings, timers] = services_;
  count_ = 0;
  sum_ = 0;
  popup.viewmsg("Opening Log file...");
  pump.pumpOnce();
  if (lifetime.ending()) {
    return TabulateOutcome::ProgramEnded;
  }

  {
    // One open serves as both the probe and the reading; the file is closed
    // at the end of this block, before the logger, which empties it, starts.
    OpenedText opened = openWhenAvailable(progfolder + LoggerCore::kLogFileName);
    if (lifetime.ending()) {
      return TabulateOutcome::ProgramEnded;
    }
    if (!opened.reader) {
      popup.mention("Corrupted / Missing Log File!");
      if (!lifetime.ending()) {
        controller.restartLearning(opened.failure != OpenFailure::Missing);
      }
      // Apply stops early, the program running, when the Run key cannot be
      // opened: rather than leave a hidden program doing nothing, show the
      // options screen.
      return lifetime.ending() ? TabulateOutcome::ProgramEnded : TabulateOutcome::FirstUse;
    }
    if (!readSamples(*opened.reader)) {
      return TabulateOutcome::ProgramEnded;
    }
  }
  pump.pumpOnce();
  if (lifetime.ending()) {
    return TabulateOutcome::ProgramEnded;
  }

  controller.startlog();
  if (lifetime.ending()) {
    return TabulateOutcome::ProgramEnded;
  }

  popup.viewmsg("Tabulating Information...");
  pump.pumpOnce();
  if (lifetime.ending()) {
    return TabulateOutcome::ProgramEnded;
  }
  if (count_ == 0) {
    return TabulateOutcome::FirstUse;
  }
  state_.learnedfree = static_cast<std::int32_t>(
      roundHalfEven(static_cast<double>(sum_) / static_cast<double>(count_)));
  popup.hidemsg();
  state_.runmode = settings.read("mode").value_or(std::string());
  return TabulateOutcome::Learned;
}

}  // namespace vorlane
