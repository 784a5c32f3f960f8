#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/learning/tabulation.h"
#include "app/program_state.h"
#include "app/startup/options_view.h"
#include "host/message_pump.h"
#include "host/program_launcher.h"
#include "host/run_registry.h"
#include "host/settings_store.h"
#include "host/text_files.h"
#include "host/timer.h"
#include "popup/frmmsg.h"

namespace vorlane {

inline constexpr const char* kApplicationTitle = "Zendry's Vorlane";

// Whether a stored "firstuse" text reads as a truth value: "True" or "False" in
// any letter case, or a decimal number (optional sign, digits with an optional
// fraction: "0", "-1", "2.5", ".5"). No blanks, no exponent, nothing else:
// anything that is not plainly one of these counts as a first use.
bool readsAsTruthValue(std::string_view text);

struct StarterServices {
  frmmsg& popup;
  SettingsStore& settings;
  RunRegistry& runRegistry;
  ProgramLauncher& launcher;
  MessagePump& pump;
  ProgramLifetime& lifetime;
  TextFiles& files;
  TimerService& timers;
};

// `frmstarter`'s logic: the start controller and the Apply action of the
// options screen. One instance for the program's life.
class Starter final : public TabulationController {
 public:
  // `folderText` is the running program's folder ("C:\" or "C:\Apps"),
  // `exeBaseName` its file name without extension ("Vorlane"); a second copy's
  // Apply never runs `start`, so `progfolder` is known from here on.
  // `logFolder` is where log.dat lives, ending in a backslash; empty: beside it.
  // `startWatch` enables the memory watch's timers.
  Starter(StarterServices services, ProgramState& state, OptionsView& view,
          std::function<void()> startWatch, std::string_view folderText, std::string exeBaseName,
          std::string logFolder = {});

  // The splash's hand-over: a first use (greeting, options screen) or a later
  // start (tabulation, then the watch); every failure on the way to the watch
  // leads to the greeting.
  void start();
  // Apply: saves the options, updates the Run entry and, on a first use,
  // explains the learning and starts the logger; then ends the program, unless
  // the Run key cannot be opened. A value the store refuses is told to the
  // user, the options screen stays up, and nothing further happens.
  void setoptions();
  // Starts progfolder + "logger.exe" without waiting for it; when it cannot,
  // tells the user and, after the click on "Close", ends the program.
  void startlog() override;
  void restartLearning(bool keepStoredChoices) override;

 private:
  // Shows one waiting page; false when the program is ending meanwhile.
  bool page(const std::string& text);
  void applyOptions(const std::string& mode, const std::string& startrun);

  StarterServices services_;
  ProgramState& state_;
  OptionsView& view_;
  std::function<void()> startWatch_;
  std::string exeBaseName_;
  std::string progfolder_;
  std::string logFolder_;
  bool firstuseflag_ = false;
  Tabulation tabulation_;
};

}  // namespace vorlane
