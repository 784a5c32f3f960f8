#include "app/learning/logger_launch.h"

namespace vorlane {

bool startLogger(const std::string& progfolder, ProgramLauncher& launcher, frmmsg& popup,
                 ProgramLifetime& lifetime) {
  if (launcher.start(progfolder + kLoggerFileName)) {
    return true;
  }
  popup.showmsg("Error Detected!\r\n\"logger.exe\" not found!");
  lifetime.endProgram();
  return false;
}

}  // namespace vorlane
