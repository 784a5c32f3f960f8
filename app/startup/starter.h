#pragma once

#include <string>
#include <string_view>

#include "app/learning/tabulation.h"
#include "app/program_state.h"
#include "app/startup/memory_watch_control.h"
#include "app/startup/options_view.h"
#include "app/startup/start_controller.h"
#include "host/message_pump.h"
#include "host/program_launcher.h"
#include "host/run_registry.h"
#include "host/settings_store.h"
#include "host/text_files.h"
#include "host/timer.h"
#include "popup/frmmsg.h"

namespace vorlane {

inline constexpr const char* kApplicationTitle = "Zendry's Vorlane";
// Shown when Apply cannot store the options; the options screen stays up.
inline constexpr const char* kSettingsNotStored =
    "Your options could not be saved! \r\nPlease try Apply again.";

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
class Starter final : public StartController, public TabulationController {
 public:
  // `folderText` is the platform's folder of the running program ("C:\" or
  // "C:\Apps"), `exeBaseName` its file name without extension ("Vorlane").
  // `progfolder` is known from here on, so that a second copy's Apply, which
  // never runs `start`, has it too. `logFolder` is where log.dat lives, ending
  // in a backslash; empty means beside the program.
  Starter(StarterServices services, ProgramState& state, OptionsView& view,
          MemoryWatchControl& watch, std::string_view folderText, std::string exeBaseName,
          std::string logFolder = {});

  // Decides between a first use (greeting and options screen) and a later start
  // (tabulation, then the watch). Every failure on the way to the watch leads
  // to the greeting; nothing escapes to the caller.
  void start() override;
  void showOptionsScreen() override;
  // Begins the memory watch.
  void startfunction() override;
  // The Apply action: saves the options, updates the Run entry and, on a first
  // use, explains the learning phase and starts the logger; then ends the
  // program, unless the Run key cannot be opened. When the settings store
  // refuses a value the user is told, the options screen stays up, and
  // nothing further happens.
  void setoptions();
  // Starts the logger; when it cannot, tells the user and ends the program.
  void startlog() override;
  void restartLearning() override;
  void restartLearningKeepingChoices() override;

  const std::string& progfolder() const { return progfolder_; }
  bool firstuseflag() const { return firstuseflag_; }
  const Tabulation& tabulation() const { return tabulation_; }

 private:
  void greetFirstUse();
  // Shows one waiting page; false when the program is ending meanwhile.
  bool page(const std::string& text);
  // setoptions with the given "mode" and "startrun" values.
  void applyOptions(const std::string& mode, const std::string& startrun);

  StarterServices services_;
  ProgramState& state_;
  OptionsView& view_;
  MemoryWatchControl& watch_;
  std::string folderText_;
  std::string exeBaseName_;
  std::string progfolder_;
  std::string logFolder_;
  bool firstuseflag_ = false;
  Tabulation tabulation_;
};

}  // namespace vorlane
