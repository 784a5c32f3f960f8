#pragma once

#include <cstdint>
#include <string>

namespace vorlane {

// The main program's state, one for its life, shared by the start controller,
// the tabulation, the watch timers and the clearing routine.
struct ProgramState {
  // The learned usual free physical memory, whole percent; 0 until tabulated.
  std::int32_t learnedfree = 0;
  // The "mode" setting as read at start: "stealth", "normal", or empty.
  std::string runmode;
  std::int32_t clearpercent = 0;
  // Minute counter the two watch timers share; set to 0 by the start.
  std::int32_t tickcount = 0;
};

}  // namespace vorlane
