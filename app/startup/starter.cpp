#include "app/startup/starter.h"

#include <exception>
#include <utility>

#include "host/creation_failure.h"
#include "host/program_folder.h"

namespace vorlane {

bool readsAsTruthValue(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  if (lower == "true" || lower == "false") {
    return true;
  }
  // Digits with at most one point, and at least one digit.
  const std::string_view number =
      text.substr(!text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0);
  const std::size_t point = number.find('.');
  return number.find_first_not_of("0123456789.") == std::string_view::npos &&
         number.find('.', point + 1) == std::string_view::npos &&
         number.size() > (point == std::string_view::npos ? 0 : 1);
}

Starter::Starter(StarterServices services, ProgramState& state, OptionsView& view,
                 std::function<void()> startWatch, std::string_view folderText,
                 std::string exeBaseName, std::string logFolder)
    : services_(services),
      state_(state),
      view_(view),
      startWatch_(std::move(startWatch)),
      exeBaseName_(std::move(exeBaseName)),
      progfolder_(vorlane::progfolder(folderText)),
      logFolder_(logFolder.empty() ? progfolder_ : std::move(logFolder)),
      tabulation_({services.popup, services.pump, services.lifetime, services.files,
                   services.settings, services.timers},
                  state) {}

void Starter::start() {
  state_.tickcount = 0;
  try {
    const auto firstuse = services_.settings.read("firstuse");
    if (firstuse && readsAsTruthValue(*firstuse)) {
      firstuseflag_ = false;
      view_.hide();
      const TabulateOutcome outcome = tabulation_.tabulate(logFolder_, *this);
      if (outcome == TabulateOutcome::Learned) {
        startWatch_();  // `startfunction`
      }
      if (outcome != TabulateOutcome::FirstUse) {
        return;
      }
    }
  } catch (const CreationFailure&) {
    throw;
  } catch (const std::exception&) {
    // Whatever went wrong on the way to the watch, the user is greeted as on a
    // first use and can apply the options again, which restarts the learning.
  }
  if (services_.lifetime.ending()) {
    return;
  }
  try {
    if (page("Welcome to Zendry's Vorlane")) {
      firstuseflag_ = true;
      view_.show();
    }
  } catch (const CreationFailure&) {
    throw;
  } catch (const std::exception&) {
    // Not even the greeting can be shown: nothing useful is left to do.
    services_.lifetime.endProgram();
  }
}

bool Starter::page(const std::string& text) {
  services_.popup.mention(text);
  return !services_.lifetime.ending();
}

void Starter::setoptions() {
  applyOptions(view_.option1Selected() ? "stealth" : "normal",
               view_.option4Selected() ? "true" : "false");
}

void Starter::applyOptions(const std::string& mode, const std::string& startrun) {
  auto& settings = services_.settings;
  // Going on after a refused write would end as if the choices were kept, and
  // the next start would greet the user as new. The first refusal stops here.
  if (!settings.write("firstuse", firstuseflag_ ? "True" : "False") ||
      !settings.write("mode", mode) || !settings.write("startrun", startrun)) {
    services_.popup.showmsg("Your options could not be saved! \r\nPlease try Apply again.");
    if (!services_.lifetime.ending()) {
      view_.show();
    }
    return;
  }

  {
    const auto runKey = services_.runRegistry.openForWrite();
    if (!runKey) {
      return;
    }
    if (startrun == "true") {
      // Quoted, so that a folder with blanks ("C:\Program Files\...") cannot be
      // taken for a shorter program path when Windows runs the entry.
      runKey->setString(kApplicationTitle, "\"" + progfolder_ + exeBaseName_ + ".exe\"");
    } else {
      runKey->deleteValue(kApplicationTitle);
    }
  }

  if (firstuseflag_) {
    view_.hide();
    if (!page("Vorlane will now start \r\nlearning your memory usage...") ||
        !page("Please use your computer \r\nas normally as possible...") ||
        !page("To enter this options dialog again, \r\nrestart and run Vorlane twice.")) {
      return;
    }
    services_.popup.showmsg("Vorlane will start work the \r\nnext time you use this computer.");
    if (services_.lifetime.ending()) {
      return;
    }
    startlog();
    if (services_.lifetime.ending()) {
      return;
    }
  }
  services_.lifetime.endProgram();
}

void Starter::startlog() {
  if (!services_.launcher.start(progfolder_ + "logger.exe")) {
    services_.popup.showmsg("Error Detected!\r\n\"logger.exe\" not found!");
    services_.lifetime.endProgram();
  }
}

void Starter::restartLearning(bool keepStoredChoices) {
  firstuseflag_ = true;
  if (!keepStoredChoices) {
    setoptions();
    return;
  }
  // A choice never stored reads as the options screen's default.
  applyOptions(services_.settings.read("mode").value_or("normal"),
               services_.settings.read("startrun").value_or("true"));
}

}  // namespace vorlane
