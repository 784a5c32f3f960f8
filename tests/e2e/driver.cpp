#include "tests/e2e/driver.h"

#include <psapi.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <numeric>

#include "host/canvas/image_file.h"
#include "host/canvas/win32/gdi_picture.h"
#include "host/win32/wide_text.h"

namespace vorlane::e2e {
namespace {

// Shared every way: the programs read and write their files meanwhile.
win32::UniqueFile openShared(const std::string& path, DWORD access, DWORD disposition) {
  return win32::UniqueFile(::CreateFileW(win32::widen(path).c_str(), access,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

BOOL CALLBACK collectVisible(HWND window, LPARAM found) {
  if (::IsWindowVisible(window)) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  }
  return TRUE;
}

void clearLeftovers() {
  ::SHDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
  ::SHDeleteValueA(HKEY_CURRENT_USER, kRunKey, kRunValue);
  ::DeleteFileW(win32::widen(localDataFolder() + "\\log.dat").c_str());
  ::RemoveDirectoryW(win32::widen(localDataFolder()).c_str());
}

// The processes whose image lies directly in `folder`, only those named
// `exeName` when one is given.
std::vector<DWORD> processesIn(const std::string& folder, const std::string& exeName = "") {
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

}  // namespace

bool eventually(const std::function<bool()>& condition, DWORD timeoutMs) {
  for (const DWORD start = ::GetTickCount(); !condition(); ::Sleep(20)) {
    if (::GetTickCount() - start > timeoutMs) {
      return false;
    }
    for (MSG msg; ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);) {
      ::DispatchMessageA(&msg);
    }
  }
  return true;
}

std::optional<std::string> readFileText(const std::string& path) {
  const win32::UniqueFile file = openShared(path, GENERIC_READ, OPEN_EXISTING);
  std::string text;
  char buffer[65536];
  for (DWORD read = 0;
       file && ::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0;) {
    text.append(buffer, read);
  }
  return file ? std::optional(text) : std::nullopt;
}

bool writeFileText(const std::string& path, const std::string& text) {
  // A program holding the file for a moment only delays the write.
  win32::UniqueFile file;
  for (int attempt = 0; !file && attempt < 50; ++attempt) {
    file = openShared(path, GENERIC_WRITE, CREATE_ALWAYS);
    ::Sleep(file ? 0 : 20);
  }
  DWORD written = 0;
  return file &&
         ::WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
}

std::optional<std::string> readUserValue(const std::string& subkey, const std::string& name) {
  wchar_t data[2048] = {};
  DWORD size = sizeof data - sizeof(wchar_t);
  DWORD type = 0;
  return ::SHGetValueW(HKEY_CURRENT_USER, win32::widen(subkey).c_str(), win32::widen(name).c_str(),
                       &type, data, &size) == ERROR_SUCCESS &&
                 type == REG_SZ
             ? std::optional(win32::toUtf8(data))
             : std::nullopt;
}

bool setUserValue(const std::string& subkey, const std::string& name, const std::string& value) {
  return ::SHSetValueA(HKEY_CURRENT_USER, subkey.c_str(), name.c_str(), REG_SZ, value.c_str(),
                       static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

std::string localDataFolder() {
  wchar_t local[MAX_PATH] = {};
  ::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, local);
  return win32::toUtf8(local) + "\\Vorlane";
}

int samplesIn(const std::string& logPath, const std::string& sample) {
  const auto log = readFileText(logPath);
  const std::string line = sample + "\r\n";
  std::string expected;
  while (log && expected.size() < log->size()) {
    expected += line;
  }
  return log && *log == expected ? static_cast<int>(log->size() / line.size()) : -1;
}

std::vector<std::pair<HWND, std::string>> visibleTexts(DWORD pid) {
  std::vector<HWND> tops;
  std::vector<HWND> children;
  ::EnumWindows(collectVisible, reinterpret_cast<LPARAM>(&tops));
  for (HWND top : tops) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(top, &owner);
    if (owner == pid) {
      ::EnumChildWindows(top, collectVisible, reinterpret_cast<LPARAM>(&children));
    }
  }
  std::vector<std::pair<HWND, std::string>> texts;
  for (HWND child : children) {
    char text[1024] = {};
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                          SMTO_ABORTIFHUNG, 2000, &copied);
    texts.emplace_back(child, std::string(text, copied));
  }
  return texts;
}

HWND waitForText(DWORD pid, const std::string& wanted, DWORD timeoutMs) {
  HWND found = nullptr;
  eventually(
      [&] {
        for (const auto& [child, text] : visibleTexts(pid)) {
          found = found == nullptr && text == wanted ? child : found;
        }
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

bool textGone(DWORD pid, const std::string& text, DWORD timeoutMs) {
  return eventually([&] { return waitForText(pid, text, 0) == nullptr; }, timeoutMs);
}

void click(HWND window) {
  RECT rect;
  ::GetWindowRect(window, &rect);
  ::SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  ::Sleep(50);
  INPUT inputs[2] = {{INPUT_MOUSE}, {INPUT_MOUSE}};
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, inputs, sizeof(INPUT));
}

void pressKey(WORD virtualKey, bool alt) {
  const WORD keys[4] = {VK_MENU, virtualKey, virtualKey, VK_MENU};
  INPUT inputs[4] = {};
  for (int i = 0; i < 4; ++i) {
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = keys[i];
    inputs[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
  }
  ::SendInput(alt ? 4 : 2, alt ? inputs : inputs + 1, sizeof(INPUT));
}

bool saveScreenshot(HWND window, const std::string& name) {
  char folder[MAX_PATH];
  const DWORD length = ::GetEnvironmentVariableA("VORLANE_SCREENSHOTS", folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
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
  Pixels24 pixels(rect.right - rect.left, rect.bottom - rect.top);
  // From the screen: another program's window is drawn there, not in any DC
  // this process could ask for.
  const win32::WindowDc screen(nullptr);
  const win32::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
  const win32::UniqueBitmap bitmap(
      ::CreateCompatibleBitmap(screen.get(), pixels.width(), pixels.height()));
  {
    const win32::SelectGuard select(memory.get(), bitmap.get());
    ::BitBlt(memory.get(), 0, 0, pixels.width(), pixels.height(), screen.get(), rect.left, rect.top,
             SRCCOPY);
  }
  BITMAPINFO info = win32::dibHeader(pixels.width(), pixels.height());
  return ::GetDIBits(memory.get(), bitmap.get(), 0, pixels.height(), pixels.data(), &info,
                     DIB_RGB_COLORS) == pixels.height() &&
         writeImageFile(std::string(folder) + "\\" + name + ".png", pixels);
}

bool TextWatch::until(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs) {
  for (const DWORD start = ::GetTickCount();; ::Sleep(pollMs)) {
    for (const auto& [child, text] : visibleTexts(pid)) {
      if (!text.empty() && std::find(history.begin(), history.end(), text) == history.end()) {
        history.push_back(text);
      }
    }
    if (done() || ::GetTickCount() - start > timeoutMs) {
      return done();
    }
  }
}

std::optional<std::string> TextWatch::seen(const std::string& prefix) const {
  const auto found = std::find_if(history.begin(), history.end(), [&](const std::string& text) {
    return text.rfind(prefix, 0) == 0;
  });
  return found == history.end() ? std::nullopt : std::optional(*found);
}

std::string TextWatch::all() const {
  return std::accumulate(
      history.begin(), history.end(), std::string(),
      [](const std::string& texts, const std::string& text) { return texts + "[" + text + "] "; });
}

bool Stage::open(const std::string& stem) {
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

bool Stage::close() {
  endPrograms();
  const bool ended = processesIn(folder).empty();
  // Double-null-terminated, as the shell takes its lists of files.
  const std::wstring from = win32::widen(folder) + L'\0';
  SHFILEOPSTRUCTW remove{nullptr, FO_DELETE, from.c_str(), nullptr, FOF_NO_UI | FOF_NOCONFIRMATION};
  ::SHFileOperationW(&remove);
  ::DeleteFileW(win32::widen(folder + ".memory.txt").c_str());
  clearLeftovers();
  return ended;
}

void Stage::endPrograms() const {
  for (const DWORD pid : processesIn(folder)) {
    const win32::UniqueKernelHandle process(
        ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
    if (process && ::TerminateProcess(process.get(), 1)) {
      ::WaitForSingleObject(process.get(), 5000);
    }
  }
}

Process Stage::start(const std::string& exeName, unsigned timeScale,
                     const std::string& memoryFigures) const {
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
  const std::wstring program = win32::widen(path(exeName));
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
    return {};
  }
  const win32::UniqueKernelHandle thread(info.hThread);
  return {win32::UniqueKernelHandle(info.hProcess), info.dwProcessId};
}

std::size_t Stage::loggersRunning() const { return processesIn(folder, "logger.exe").size(); }

void checkLaterStartClears(const Stage& stage, const Process& vorlane, const std::string& mode,
                           int megabytes, const std::string& sample, const std::string& logPath,
                           DWORD timeoutMs, const Check& check) {
  const std::string clearing = "Clearing Ram... ";
  TextWatch watch{vorlane.id};
  if (mode == "stealth") {
    const auto peak = [&] {
      const win32::UniqueKernelHandle process(
          ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, vorlane.id));
      PROCESS_MEMORY_COUNTERS counters{};
      return process && ::GetProcessMemoryInfo(process.get(), &counters, sizeof counters)
                 ? counters.PeakWorkingSetSize
                 : 0;
    };
    const std::size_t claimed = static_cast<std::size_t>(megabytes + 1) << 21;
    check(watch.until([&] { return peak() >= claimed; }, timeoutMs, 20),
          "peak working set rose by the claimed blocks", std::to_string(peak() >> 20) + " MiB");
    // A while longer: the next checks clear again, still without a word.
    watch.until([] { return false; }, 2000, 20);
    check(!watch.seen(clearing), "nothing shown in stealth mode", watch.all());
  } else {
    // Read every 2 ms: a reader that never pauses would slow the program down.
    // The learning's own texts stand for milliseconds only: the megabytes
    // cleared show what was learned.
    watch.until([&] { return watch.seen(clearing).has_value(); }, timeoutMs, 2);
    const std::string progress = watch.seen(clearing).value_or("");
    const std::string head = clearing + std::to_string(megabytes) + "MB";
    check(progress.rfind(head + "\r\n", 0) == 0 && progress.size() > head.size() + 9 &&
              progress.compare(progress.size() - 7, 7, "% done.") == 0,
          "progress \"" + head + "\" CR LF \"N% done.\" shown", watch.all());
  }
  check(!watch.seen(kGreeting) && !watch.seen("Corrupted"), "no greeting, no word of the log",
        watch.all());
  check(eventually([&] { return stage.loggersRunning() == 1; }, timeoutMs),
        "one logger.exe running from the folder", "");
  check(eventually([&] { return samplesIn(logPath, sample) >= 3; }, timeoutMs),
        "logger wrote samples \"" + sample + "\" CR LF",
        readFileText(logPath).value_or("(missing)").substr(0, 200));
  check(vorlane.running(), "Vorlane.exe still watching", "");
}

}  // namespace vorlane::e2e
