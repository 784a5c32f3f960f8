#pragma once

#include <string>

#include "host/message_pump.h"
#include "host/program_launcher.h"
#include "popup/frmmsg.h"

namespace vorlane {

inline constexpr const char* kLoggerFileName = "logger.exe";
inline constexpr const char* kLogFileName = "log.dat";

// `startlog`: starts progfolder + "logger.exe" without waiting for it. When it
// cannot be started the user is told, after the click on "Close" the program
// ends, and the result is false: the caller must return promptly.
bool startLogger(const std::string& progfolder, ProgramLauncher& launcher, frmmsg& popup,
                 ProgramLifetime& lifetime);

}  // namespace vorlane
