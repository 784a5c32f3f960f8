// Vorlane.exe: the splash, the start controller with its options screen, the
// learning from the logger's log, and the memory watch, on one message loop.

#include <windows.h>

#include <string>

#include "app/memory/memory_watch.h"
#include "app/memory/ram_clearer.h"
#include "app/memory/win32/virtual_alloc_allocator.h"
#include "app/program_state.h"
#include "app/startup/splash.h"
#include "app/startup/starter.h"
#include "app/win32/options_window.h"
#include "app/win32/splash_window.h"
#include "host/canvas/win32/gdi_picture.h"
#include "host/win32/clock.h"
#include "host/win32/dll_search.h"
#include "host/win32/keystroke_sender.h"
#include "host/win32/log_location.h"
#include "host/win32/memory_status.h"
#include "host/win32/message_box.h"
#include "host/win32/message_pump.h"
#include "host/win32/program_folder.h"
#include "host/win32/program_launcher.h"
#include "host/win32/registry_settings_store.h"
#include "host/win32/run_registry.h"
#include "host/win32/single_instance.h"
#include "host/win32/text_files.h"
#include "host/win32/timer_service.h"
#include "popup/frmmsg.h"
#include "popup/win32/popup_window.h"
#include "resource_ids.h"

namespace vorlane::win32 {
namespace {

// "C:\Apps\Vorlane.exe" -> "Vorlane": the Run entry names the exe by it.
std::string exeBaseName(const std::string& path) {
  const std::string name = path.substr(path.find_last_of("\\/") + 1);
  return name.substr(0, name.find_last_of('.'));
}

int runVorlane() {
  const SingleInstance instance("Vorlane");
  Win32MessagePump pump;
  Win32TimerService timers;
  Win32Clock clock;
  RegistrySettingsStore settings;
  Win32RunRegistry runRegistry;
  Win32ProgramLauncher launcher;
  Win32TextFiles files;
  Win32MemoryStatusSource memory;
  Win32ModalMessageBox messages;
  VirtualAllocBlockAllocator allocator;
  ProgramState state;

  frmmsg popup(
      [](frmmsg& model) {
        return std::make_unique<PopupWindow>(model, loadIconPicture(IDI_VORLANE_LOGO, 32));
      },
      timers, pump, clock);
  RamClearer clearer(state, memory, allocator, pump, pump, popup);
  MemoryWatch watch(timers, memory, state, clearer);

  Win32KeystrokeSender keystrokes;
  pump.setAccessKeyHandler(&XpButtonWindow::dispatchAccessKey);

  Starter* starter = nullptr;
  SharedOptionsWindow options([&] { starter->setoptions(); },
                              OptionsServices{messages, timers, pump, keystrokes});
  Starter frmstarter(
      {popup, settings, runRegistry, launcher, pump, pump, files, timers}, state, options,
      [&watch] { watch.startWatch(); }, programFolderText(), exeBaseName(modulePath()),
      logFolder());
  starter = &frmstarter;

  SplashWindow frmSplash;
  Splash splash(
      frmSplash, timers, popup, [&] { frmstarter.start(); }, [&] { options.show(); });
  if (splash.load(instance.previousInstance())) {
    frmSplash.show();
  }
  if (pump.ending()) {
    return 0;
  }
  return pump.run();
}

}  // namespace
}  // namespace vorlane::win32

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vorlane::win32::restrictDllSearchPath();
  return vorlane::win32::runProgram(vorlane::win32::runVorlane, vorlane::kApplicationTitle);
}
