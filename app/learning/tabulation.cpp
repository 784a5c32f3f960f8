#include "app/learning/tabulation.h"

#include "app/learning/logger_launch.h"
#include "host/rounding.h"
#include "logger/log_format.h"

namespace vorlane {

std::optional<std::int32_t> meanHalfEven(std::int64_t sum, std::size_t count) {
  if (count == 0) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(
      roundHalfEven(static_cast<double>(sum) / static_cast<double>(count)));
}

TabulateOutcome Tabulation::tabulate(const std::string& progfolder,
                                     TabulationController& controller) {
  auto& [popup, pump, lifetime, files, settings] = services_;
  popup.viewmsg("Opening Log file...");

  // One read serves as both the probe and the reading: the file is closed
  // again before the logger, which empties it, is started.
  const auto content = files.readAll(progfolder + kLogFileName);
  if (!content) {
    popup.mention("Corrupted / Missing Log File!");
    if (lifetime.ending()) {
      return TabulateOutcome::ProgramEnded;
    }
    controller.restartLearning();
    // Apply stops early, with the program still running, when the Run key
    // cannot be opened; a hidden program that does nothing would then be left
    // behind, so the user gets the options screen instead.
    return lifetime.ending() ? TabulateOutcome::ProgramEnded : TabulateOutcome::FirstUse;
  }

  // The message loop runs before every read, the last (failing) one included,
  // so the pop-up and the splash keep painting through a long log.
  List1_.clear();
  LogFieldReader reader(*content);
  for (;;) {
    pump.pumpOnce();
    if (lifetime.ending()) {
      return TabulateOutcome::ProgramEnded;
    }
    const auto sample = reader.next();
    if (!sample) {
      break;
    }
    List1_.push_back(*sample);
  }

  controller.startlog();
  if (lifetime.ending()) {
    return TabulateOutcome::ProgramEnded;
  }

  popup.viewmsg("Tabulating Information...");
  // Every sample counts, however long the logger ran: a 64-bit sum of values
  // of at most 100 cannot overflow.
  std::int64_t sum = 0;
  for (const std::int32_t sample : List1_) {
    pump.pumpOnce();
    if (lifetime.ending()) {
      return TabulateOutcome::ProgramEnded;
    }
    sum += sample;
  }
  const auto mean = meanHalfEven(sum, List1_.size());
  if (!mean) {
    return TabulateOutcome::FirstUse;
  }
  state_.learnedfree = *mean;
  popup.hidemsg();
  state_.runmode = settings.read("mode").value_or(std::string());
  controller.startfunction();
  return TabulateOutcome::Watching;
}

}  // namespace vorlane
