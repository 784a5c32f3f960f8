// logger.exe: learns the machine's free memory, one sample a minute into
// log.dat (beside it where it may write), without a window anyone sees.

#include <windows.h>

#include "host/win32/dll_search.h"
#include "host/win32/forms.h"
#include "host/win32/log_location.h"
#include "host/win32/memory_status.h"
#include "host/win32/message_box.h"
#include "host/win32/message_pump.h"
#include "host/win32/single_instance.h"
#include "host/win32/text_files.h"
#include "host/win32/timer_service.h"
#include "logger/logger_core.h"

namespace vorlane::win32 {
namespace {

int runLogger() {
  // A copy started while another runs for this user ends at once and leaves
  // the log alone.
  const SingleInstance instance("logger");
  if (instance.previousInstance()) {
    return 0;
  }
  Win32MessagePump pump;
  Win32TimerService timers;
  Win32TextFiles files;
  Win32MemoryStatusSource memory;
  // The logger's only window, never shown. Asked to close (by a task manager,
  // say), it ends the logger.
  Form Form1(FormOptions{"Form1", 1, 1, RGB(0, 0, 0), false, false});
  Form1.setOnCloseRequest([&] { pump.endProgram(); });
  LoggerCore logger(logFolder() + LoggerCore::kLogFileName, memory, files, timers);
  logger.start();
  return pump.run();
}

}  // namespace
}  // namespace vorlane::win32

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vorlane::win32::restrictDllSearchPath();
  return vorlane::win32::runProgram(vorlane::win32::runLogger, "logger");
}
