#pragma once

#include <cstdint>
#include <string>

#include "app/program_state.h"
#include "host/message_pump.h"
#include "host/settings_store.h"
#include "host/text_files.h"
#include "host/timer.h"
#include "popup/frmmsg.h"

namespace vorlane {

// The start controller as the tabulation calls back into it.
class TabulationController {
 public:
  virtual ~TabulationController() = default;
  // Starts the logger; on failure the program is ending when it returns.
  virtual void startlog() = 0;
  // Learning starts over, finishing as a first use (firstuseflag set, then
  // setoptions): with the options screen's defaults when the log is missing,
  // with the mode and Run choice stored before when it stays unreadable.
  virtual void restartLearning(bool keepStoredChoices) = 0;
};

enum class TabulateOutcome {
  Learned,       // learnedfree and runmode set: the caller starts the watch
  ProgramEnded,  // missing log, missing logger, or the program ended from outside
  FirstUse,      // the caller greets the user and shows the options screen
};

struct TabulationServices {
  frmmsg& popup;
  MessagePump& pump;
  ProgramLifetime& lifetime;
  TextFiles& files;
  SettingsStore& settings;
  TimerService& timers;
};

// `tabulate`: learns the usual free memory from the log of the last logger run.
class Tabulation {
 public:
  // A log there but not to be opened (held by a backup or a virus scanner) is
  // tried again this often, this many times: ten seconds, the loop served.
  static constexpr unsigned kRetryMilliseconds = 250;
  static constexpr int kRetries = 40;
  // The log is read in pieces of this size: memory does not grow with the file.
  static constexpr std::size_t kPieceBytes = 64 * 1024;
  // A due turn is offered after this many samples and after every piece: each
  // offer reads the clock (0.5 us under Wine), more than parsing a sample.
  static constexpr unsigned kSamplesPerOffer = 64;

  Tabulation(TabulationServices services, ProgramState& state)
      : services_(services), state_(state) {}

  TabulateOutcome tabulate(const std::string& progfolder, TabulationController& controller);

 private:
  OpenedText openWhenAvailable(const std::string& path);
  // Counts and sums the samples up to the end or a failing read; false when
  // the program ends meanwhile.
  bool readSamples(TextReader& reader);

  TabulationServices services_;
  ProgramState& state_;
  // The samples' count and sum: the mean needs nothing more, so no sample is kept.
  std::uint64_t count_ = 0;
  std::int64_t sum_ = 0;
};

}  // namespace vorlane
