#pragma once

// The scenarios' and the x86 smoke's hands on the real programs: windows found
// by the texts screen readers read, real input. Paths are UTF-8: any folder name
// serves.

#include <windows.h>
// psapi.h and tlhelp32.h need the types of windows.h.
#include <psapi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/canvas/image_file.h"
#include "host/canvas/win32/gdi_canvas.h"
#include "host/win32/handles.h"
#include "host/win32/wide_text.h"

namespace vorlane::e2e {

inline constexpr const char* kSettingsKey = "Software\\vorlane\\settings";
inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValue = "Zendry's Vorlane";
inline constexpr const char* kGreeting = "Welcome to Zendry's Vorlane";

// Sleeps between polls: this thread has no window, so no messages to serve.
inline bool eventually(const std::function<bool()>& condition, DWORD timeoutMs, DWORD pollMs = 20) {
  for (const DWORD start = ::GetTickCount(); !condition(); ::Sleep(pollMs)) {
    if (::GetTickCount() - start > timeoutMs) {
      return false;
    }
  }
  return true;
}

// Shared every way: the programs read and write their files meanwhile.
inline win32::UniqueFile openShared(const std::string& path, DWORD access, DWORD disposition) {
  return win32::UniqueFile(::CreateFileW(win32::widen(path).c_str(), access,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

inline std::optional<std::string> readFileText(const std::string& path) {
  const win32::UniqueFile file = openShared(path, GENERIC_READ, OPEN_EXISTING);
  std::string text(file ? ::GetFileSize(file.get(), nullptr) : 0, '\0');
  DWORD read = 0;
  return file && ::ReadFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &read,
                            nullptr)
             ? std::optional(text.substr(0, read))
             : std::nullopt;
}

inline bool writeFileText(const std::string& path, const std::string& text) {
  // A program holding the file for a moment only delays the write.
  win32::UniqueFile file;
  eventually(
      [&] { return static_cast<bool>(file = openShared(path, GENERIC_WRITE, CREATE_ALWAYS)); },
      1000);
  DWORD written = 0;
  return file &&
         ::WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
}

// The lines of the log at `logPath` when each is `sample` CR LF; -1 otherwise.
inline int samplesIn(const std::string& logPath, const std::string& sample) {
  const auto log = readFileText(logPath);
  const std::string line = sample + "\r\n";
  std::string expected;
  while (log && expected.size() < log->size()) {
    expected += line;
  }
  return log && *log == expected ? static_cast<int>(log->size() / line.size()) : -1;
}

inline std::optional<std::string> readUserValue(const std::string& subkey,
                                                const std::string& name) {
  wchar_t data[2048] = {};
  DWORD size = sizeof data - sizeof(wchar_t);
  DWORD type = 0;
  return ::SHGetValueW(HKEY_CURRENT_USER, win32::widen(subkey).c_str(), win32::widen(name).c_str(),
                       &type, data, &size) == ERROR_SUCCESS &&
                 type == REG_SZ
             ? std::optional(win32::toUtf8(data))
             : std::nullopt;
}

inline bool setUserValue(const std::string& subkey, const std::string& name,
                         const std::string& value) {
  return ::SHSetValueA(HKEY_CURRENT_USER, subkey.c_str(), name.c_str(), REG_SZ, value.c_str(),
                       static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

// Where the log lives when the program's own folder cannot be written.
inline std::string localDataFolder() {
  wchar_t local[MAX_PATH] = {};
  ::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, local);
  return win32::toUtf8(local) + "\\Vorlane";
}

inline BOOL CALLBACK collectWindow(HWND window, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

// Real input: a left click in the middle of `window`; a key, Alt held if `alt`.
inline void click(HWND window) {
  RECT rect;
  ::GetWindowRect(window, &rect);
  ::SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  ::Sleep(50);
  INPUT inputs[2] = {{INPUT_MOUSE}, {INPUT_MOUSE}};
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, inputs, sizeof(INPUT));
}

inline void pressKey(WORD virtualKey, bool alt = false) {
  const WORD keys[4] = {VK_MENU, virtualKey, virtualKey, VK_MENU};
  INPUT inputs[4] = {};
  for (int i = 0; i < 4; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = keys[i];
    inputs[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  ::SendInput(alt ? 4 : 2, alt ? inputs : inputs + 1, sizeof(INPUT));
}

// With VORLANE_SCREENSHOTS naming a folder, saves the top-level window of
// `window` there as `name`.png; false only when that failed.
inline bool saveScreenshot(HWND window, const std::string& name) {
  const char* folder = std::getenv("VORLANE_SCREENSHOTS");
  if (folder == nullptr) {
    return true;
  }
  // A window found by its text may not have painted yet: its program first
  // finishes what it has queued.
  const HWND top = ::GetAncestor(window, GA_ROOT);
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutA(top, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
  ::Sleep(250);
  RECT rect;
  ::GetWindowRect(top, &rect);
  // From the screen: another program's window is drawn there, not in any DC
  // this process could ask for.
  const win32::WindowDc screen(nullptr);
  return writeImageFile(
      std::string(folder) + "\\" + name + ".png",
      win32::GdiCanvas(screen.get(), 0, 0)
          .readPixels(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
}

// A started program, seen through its visible child windows. Every text they
// showed while looked at is kept, in the order first seen: so are texts that
// stand for a moment only.
struct Process {
  std::vector<std::pair<HWND, std::string>> look() {
    std::vector<HWND> windows;
    ::EnumChildWindows(::GetDesktopWindow(), collectWindow, reinterpret_cast<LPARAM>(&windows));
    std::vector<std::pair<HWND, std::string>> texts;
    for (HWND window : windows) {
      DWORD owner = 0;
      char text[1024] = {};
      DWORD_PTR copied = 0;
      if (::GetWindowThreadProcessId(window, &owner) && owner == id &&
          ::GetAncestor(window, GA_ROOT) != window && ::IsWindowVisible(window) &&
          ::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                                SMTO_ABORTIFHUNG, 2000, &copied)) {
        texts.emplace_back(window, std::string(text, copied));
        if (copied > 0 && std::find(history.begin(), history.end(), text) == history.end()) {
          history.push_back(text);
        }
      }
    }
    return texts;
  }
  bool watch(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs = 20) {
    return eventually(
        [&] {
          look();
          return done();
        },
        timeoutMs, pollMs);
  }
  // The child showing `wanted`, waited for up to `timeoutMs`; null when none came.
  HWND find(const std::string& wanted, DWORD timeoutMs = 5000) {
    HWND found = nullptr;
    eventually(
        [&] {
          for (const auto& [window, text] : look()) {
            found = found == nullptr && text == wanted ? window : found;
          }
          return found != nullptr;
        },
        timeoutMs);
    return found;
  }
  bool gone(const std::string& text, DWORD timeoutMs = 5000) {
    return eventually([&] { return find(text, 0) == nullptr; }, timeoutMs);
  }
  bool click(const std::string& text) {
    const HWND window = find(text);
    return window != nullptr && (e2e::click(window), true);
  }
  // The first text seen that starts with `prefix`.
  std::optional<std::string> seen(const std::string& prefix) const {
    const auto found = std::find_if(history.begin(), history.end(), [&](const std::string& text) {
      return text.rfind(prefix, 0) == 0;
    });
    return found == history.end() ? std::nullopt : std::optional(*found);
  }
  std::string seenTexts() const {
    std::string texts;
    for (const std::string& text : history) {
      texts += "[" + text + "] ";
    }
    return texts;
  }
  bool running() const { return ::WaitForSingleObject(handle.get(), 0) == WAIT_TIMEOUT; }
  // The exit code, STILL_ACTIVE when it still runs after `timeoutMs`.
  DWORD exitCode(DWORD timeoutMs) const {
    DWORD code = STILL_ACTIVE;
    ::WaitForSingleObject(handle.get(), timeoutMs);
    ::GetExitCodeProcess(handle.get(), &code);
    return code;
  }

  win32::UniqueKernelHandle handle;
  DWORD id = 0;
  std::vector<std::string> history;
};

// The processes whose image lies directly in `folder`, only those named
// `exeName` when one is given.
inline std::vector<DWORD> processesIn(const std::string& folder, const std::string& exeName = "") {
  wchar_t wanted[MAX_PATH] = {};
  ::GetLongPathNameW(win32::widen(folder).c_str(), wanted, MAX_PATH);
  std::vector<DWORD> found;
  const win32::UniqueKernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W entry{sizeof entry};
  for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); snapshot && more;
       more = ::Process32NextW(snapshot.get(), &entry)) {
    const win32::UniqueKernelHandle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, entry.th32ProcessID));
    wchar_t image[MAX_PATH] = {};
    wchar_t imageFolder[MAX_PATH] = {};
    if ((exeName.empty() || ::lstrcmpiW(entry.szExeFile, win32::widen(exeName).c_str()) == 0) &&
        process && ::GetModuleFileNameExW(process.get(), nullptr, image, MAX_PATH) &&
        ::PathRemoveFileSpecW(image) && ::GetLongPathNameW(image, imageFolder, MAX_PATH) &&
        ::lstrcmpiW(imageFolder, wanted) == 0) {
      found.push_back(entry.th32ProcessID);
    }
  }
  return found;
}

// A fresh folder holding copies of Vorlane.exe and logger.exe from beside
// this exe, with no settings, no Run entry and no log elsewhere at the start.
struct Stage {
  static void clearLeftovers() {
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
    ::SHDeleteValueA(HKEY_CURRENT_USER, kRunKey, kRunValue);
    ::DeleteFileW(win32::widen(localDataFolder() + "\\log.dat").c_str());
    ::RemoveDirectoryW(win32::widen(localDataFolder()).c_str());
  }

  bool open(const std::string& stem) {
    clearLeftovers();
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    unsigned attempt = 0;
    do {
      folder = win32::toUtf8(temp) + stem + "-" + std::to_string(::GetCurrentProcessId()) + "-" +
               std::to_string(attempt++);
    } while (!::CreateDirectoryW(win32::widen(folder).c_str(), nullptr));
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    ::PathRemoveFileSpecW(self);
    const auto copy = [&](const std::string& name) {
      return ::CopyFileW(win32::widen(win32::toUtf8(self) + "\\" + name).c_str(),
                         win32::widen(path(name)).c_str(), FALSE);
    };
    return copy("Vorlane.exe") && copy("logger.exe");
  }

  // Ends the programs and removes what they left; false when a program
  // outlived its end.
  bool close() const {
    endPrograms();
    const bool ended = processesIn(folder).empty();
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::u8path(folder), ignored);
    std::filesystem::remove(std::filesystem::u8path(folder + ".memory.txt"), ignored);
    clearLeftovers();
    return ended;
  }

  void endPrograms() const {
    for (const DWORD pid : processesIn(folder)) {
      const win32::UniqueKernelHandle process(
          ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
      ::TerminateProcess(process.get(), 1);
      ::WaitForSingleObject(process.get(), 5000);
    }
  }

  std::string path(const std::string& name) const { return folder + "\\" + name; }

  // Starts a program with its timers `timeScale` times faster (0: real
  // speed), seeing `memoryFigures` ("totalBytes availBytes") when given.
  Process start(const std::string& exeName, unsigned timeScale = 0,
                const std::string& memoryFigures = "") const {
    // The memory figures lie outside the folder, which may be read-only.
    const std::string memoryFile = folder + ".memory.txt";
    if (!memoryFigures.empty() && !writeFileText(memoryFile, memoryFigures)) {
      return {};
    }
    // The program inherits this environment; every start sets both variables.
    ::SetEnvironmentVariableA("VORLANE_TIME_SCALE",
                              timeScale == 0 ? nullptr : std::to_string(timeScale).c_str());
    ::SetEnvironmentVariableA("VORLANE_MEMORY_FILE",
                              memoryFigures.empty() ? nullptr : memoryFile.c_str());
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION info{};
    std::wstring commandLine = L"\"" + win32::widen(path(exeName)) + L"\"";
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info)) {
      return {};
    }
    const win32::UniqueKernelHandle thread(info.hThread);
    return {win32::UniqueKernelHandle(info.hProcess), info.dwProcessId};
  }

  std::size_t loggersRunning() const { return processesIn(folder, "logger.exe").size(); }

  // The settings of a later start in `mode`, with `log` as log.dat.
  bool laterStart(const std::string& mode, const std::string& log) const {
    return setUserValue(kSettingsKey, "firstuse", "True") &&
           setUserValue(kSettingsKey, "mode", mode) && writeFileText(path("log.dat"), log);
  }

  std::string folder;
};

// A check's outcome, with what was seen when it failed.
using Check = std::function<void(bool ok, const std::string& what, const std::string& seen)>;

// Watches a later start until its first check cleared memory: in normal mode
// with the progress "Clearing Ram... <megabytes>MB" CR LF "N% done.", in
// stealth mode silently, its peak working set risen by the `megabytes` + 1
// blocks claimed. Then its logger, alone, writes `sample` lines to `logPath`.
inline void checkLaterStartClears(const Stage& stage, Process& vorlane, const std::string& mode,
                                  int megabytes, const std::string& sample,
                                  const std::string& logPath, DWORD timeoutMs, const Check& check) {
  const std::string clearing = "Clearing Ram... ";
  if (mode == "stealth") {
    const auto peak = [&] {
      const win32::UniqueKernelHandle process(
          ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, vorlane.id));
      PROCESS_MEMORY_COUNTERS counters{};
      ::GetProcessMemoryInfo(process.get(), &counters, sizeof counters);
      return counters.PeakWorkingSetSize;
    };
    const std::size_t claimed = static_cast<std::size_t>(megabytes + 1) << 21;
    check(vorlane.watch([&] { return peak() >= claimed; }, timeoutMs, 20),
          "peak working set rose by the claimed blocks", std::to_string(peak() >> 20) + " MiB");
    // A while longer: the next checks clear again, still without a word.
    vorlane.watch([] { return false; }, 2000, 20);
    check(!vorlane.seen(clearing), "nothing shown in stealth mode", vorlane.seenTexts());
  } else {
    // Read every 2 ms: a reader that never pauses would slow the program down.
    // The learning's own texts stand for milliseconds only: the megabytes
    // cleared show what was learned.
    vorlane.watch([&] { return vorlane.seen(clearing).has_value(); }, timeoutMs, 2);
    const std::string progress = vorlane.seen(clearing).value_or("");
    const std::string head = clearing + std::to_string(megabytes) + "MB";
    check(progress.rfind(head + "\r\n", 0) == 0 && progress.size() > head.size() + 9 &&
              progress.compare(progress.size() - 7, 7, "% done.") == 0,
          "progress \"" + head + "\" CR LF \"N% done.\" shown", vorlane.seenTexts());
  }
  check(!vorlane.seen(kGreeting) && !vorlane.seen("Corrupted"), "no greeting, no word of the log",
        vorlane.seenTexts());
  check(eventually([&] { return stage.loggersRunning() == 1; }, timeoutMs),
        "one logger.exe running from the folder", "");
  check(eventually([&] { return samplesIn(logPath, sample) >= 3; }, timeoutMs),
        "logger wrote samples \"" + sample + "\" CR LF",
        readFileText(logPath).value_or("(missing)").substr(0, 200));
  check(vorlane.running(), "Vorlane.exe still watching", "");
}

}  // namespace vorlane::e2e
