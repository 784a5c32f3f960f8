#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/program_state.h"
#include "host/message_pump.h"
#include "host/settings_store.h"
#include "host/text_files.h"
#include "popup/message_popup.h"

namespace vorlane {

// The start controller as the tabulation calls back into it.
class TabulationController {
 public:
  virtual ~TabulationController() = default;
  // Starts the logger; on failure the program is ending when it returns.
  virtual void startlog() = 0;
  // Begins the memory watch.
  virtual void startfunction() = 0;
  // The log is missing: finish as a first use with the options screen's
  // defaults (firstuseflag set, then setoptions), so that learning starts over.
  virtual void restartLearning() = 0;
};

enum class TabulateOutcome {
  Watching,      // learnedfree and runmode set, the watch running
  ProgramEnded,  // missing log, missing logger, or the program ended from outside
  FirstUse,      // the caller greets the user and shows the options screen
};

struct TabulationServices {
  MessagePopup& popup;
  MessagePump& pump;
  ProgramLifetime& lifetime;
  TextFiles& files;
  SettingsStore& settings;
};

// The mean of `count` samples summing to `sum`, rounded half to even; nothing
// when there are no samples.
std::optional<std::int32_t> meanHalfEven(std::int64_t sum, std::size_t count);

// `tabulate`: learns the usual free memory from the log of the last logger run.
class Tabulation {
 public:
  Tabulation(TabulationServices services, ProgramState& state)
      : services_(services), state_(state) {}

  TabulateOutcome tabulate(const std::string& progfolder, TabulationController& controller);

  // The samples read by the last tabulation, in file order, as whole percent.
  const std::vector<std::int32_t>& List1() const { return List1_; }

 private:
  TabulationServices services_;
  ProgramState& state_;
  std::vector<std::int32_t> List1_;
};

}  // namespace vorlane
