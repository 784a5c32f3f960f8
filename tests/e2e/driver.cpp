#include "tests/e2e/driver.h"

#include <psapi.h>
#include <shlwapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "host/win32/wide_text.h"
#include "stb_image_write.h"

namespace vorlane::e2e {

bool Process::running() const { return ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Process::waitForExit(DWORD timeoutMs) const {
  if (::WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  ::GetExitCodeProcess(process_.get(), &code);
  return code;
}

void Process::terminate() const {
  if (running()) {
    ::TerminateProcess(process_.get(), 1);
    ::WaitForSingleObject(process_.get(), 5000);
  }
}

namespace {

std::optional<std::string> environmentVariable(const std::string& name) {
  char value[4096];
  const DWORD length = ::GetEnvironmentVariableA(name.c_str(), value, sizeof value);
  if (length == 0 || length >= sizeof value) {
    return std::nullopt;
  }
  return std::string(value, length);
}

void setEnvironmentVariable(const std::string& name, const std::optional<std::string>& value) {
  ::SetEnvironmentVariableA(name.c_str(), value && !value->empty() ? value->c_str() : nullptr);
}

}  // namespace

Process startProgram(const std::string& exePath, const Environment& environment) {
  // The child inherits this process's environment: change it for the moment
  // of the start and put it back.
  std::vector<std::pair<std::string, std::optional<std::string>>> saved;
  for (const auto& [name, value] : environment) {
    saved.emplace_back(name, environmentVariable(name));
    setEnvironmentVariable(name, value);
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const std::wstring program = win32::widen(exePath);
  std::wstring commandLine = L"\"" + program + L"\"";
  const BOOL started = ::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr,
                                        FALSE, 0, nullptr, nullptr, &startup, &info);
  for (auto it = saved.rbegin(); it != saved.rend(); ++it) {
    setEnvironmentVariable(it->first, it->second);
  }
  if (!started) {
    return {};
  }
  win32::UniqueKernelHandle thread(info.hThread);
  return Process(win32::UniqueKernelHandle(info.hProcess), info.dwProcessId);
}

namespace {

// Paths are UTF-8 here and wide for Windows, so folders with any name work.
bool equalNoCase(const std::string& a, const std::string& b) {
  const std::wstring wideA = win32::widen(a);
  const std::wstring wideB = win32::widen(b);
  return ::CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, wideA.data(),
                          static_cast<int>(wideA.size()), wideB.data(),
                          static_cast<int>(wideB.size())) == CSTR_EQUAL;
}

std::string longPath(const std::string& path) {
  wchar_t full[MAX_PATH];
  const DWORD length = ::GetLongPathNameW(win32::widen(path).c_str(), full, MAX_PATH);
  return length > 0 && length < MAX_PATH ? win32::toUtf8(std::wstring_view(full, length)) : path;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::optional<std::string> imagePath(DWORD pid) {
  win32::UniqueKernelHandle process(
      ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid));
  if (!process) {
    return std::nullopt;
  }
  wchar_t path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameExW(process.get(), nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    return std::nullopt;
  }
  return win32::toUtf8(std::wstring_view(path, length));
}

}  // namespace

std::vector<DWORD> processesIn(const std::string& folder, const std::string& exeName) {
  std::vector<DWORD> found;
  win32::UniqueKernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) {
    return found;
  }
  const std::string wanted = longPath(folder);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more;
       more = ::Process32NextW(snapshot.get(), &entry)) {
    if (!exeName.empty() && !equalNoCase(win32::toUtf8(entry.szExeFile), exeName)) {
      continue;
    }
    const auto path = imagePath(entry.th32ProcessID);
    if (path && equalNoCase(longPath(folderOf(*path)), wanted)) {
      found.push_back(entry.th32ProcessID);
    }
  }
  return found;
}

void terminateProcessesIn(const std::string& folder) {
  for (const DWORD pid : processesIn(folder)) {
    win32::UniqueKernelHandle process(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
    if (process) {
      ::TerminateProcess(process.get(), 1);
      ::WaitForSingleObject(process.get(), 5000);
    }
  }
}

std::optional<std::size_t> peakWorkingSet(DWORD pid) {
  win32::UniqueKernelHandle process(
      ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid));
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!process || !::GetProcessMemoryInfo(process.get(), &counters, sizeof counters)) {
    return std::nullopt;
  }
  return counters.PeakWorkingSetSize;
}

std::string makeFreshFolder(const std::string& stem) {
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  for (unsigned attempt = 0;; ++attempt) {
    const std::string folder = win32::toUtf8(temp) + stem + "-" +
                               std::to_string(::GetCurrentProcessId()) + "-" +
                               std::to_string(attempt);
    if (::CreateDirectoryW(win32::widen(folder).c_str(), nullptr)) {
      return folder;
    }
  }
}

bool copyFileTo(const std::string& from, const std::string& to) {
  return ::CopyFileW(win32::widen(from).c_str(), win32::widen(to).c_str(), FALSE) != 0;
}

void removeFolder(const std::string& folder) {
  WIN32_FIND_DATAW data;
  const HANDLE search = ::FindFirstFileW(win32::widen(folder + "\\*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name != L"." && name != L"..") {
        const std::wstring path = win32::widen(folder) + L"\\" + name;
        ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(path.c_str());
      }
    } while (::FindNextFileW(search, &data));
    ::FindClose(search);
  }
  ::RemoveDirectoryW(win32::widen(folder).c_str());
}

bool fileExists(const std::string& path) {
  return ::GetFileAttributesW(win32::widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::optional<std::string> readFileText(const std::string& path) {
  // Shared for reading and writing: the logger may append meanwhile.
  win32::UniqueFile file(::CreateFileW(win32::widen(path).c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) {
    return std::nullopt;
  }
  std::string text;
  char buffer[65536];
  DWORD read = 0;
  while (::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
    text.append(buffer, read);
  }
  return text;
}

bool writeFileText(const std::string& path, const std::string& text) {
  // The programs open their files for a moment at a time, sharing them; a
  // write that meets one of those moments tries again.
  for (int attempt = 0; attempt < 50; ++attempt) {
    win32::UniqueFile file(::CreateFileW(win32::widen(path).c_str(), GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) {
      DWORD written = 0;
      return ::WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written,
                         nullptr) &&
             written == text.size();
    }
    ::Sleep(20);
  }
  return false;
}

std::string thisExeFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::string folder = win32::toUtf8(std::wstring_view(path, length));
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string windowText(HWND window) {
  char text[1024] = {};
  DWORD_PTR copied = 0;
  ::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 2000, &copied);
  return std::string(text, static_cast<std::size_t>(copied));
}

std::vector<HWND> visibleTopWindows(DWORD pid) {
  struct Search {
    DWORD pid;
    std::vector<HWND> found;
  } search{pid, {}};
  ::EnumWindows(
      [](HWND window, LPARAM param) CALLBACK -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        if ((s.pid == 0 || owner == s.pid) && ::IsWindowVisible(window)) {
          s.found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

namespace {

std::vector<HWND> visibleChildren(HWND top) {
  std::vector<HWND> children;
  ::EnumChildWindows(
      top,
      [](HWND child, LPARAM param) CALLBACK -> BOOL {
        if (::IsWindowVisible(child)) {
          reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

HWND findText(DWORD pid, const std::string& text) {
  for (HWND top : visibleTopWindows(pid)) {
    for (HWND child : visibleChildren(top)) {
      if (windowText(child) == text) {
        return child;
      }
    }
  }
  return nullptr;
}

}  // namespace

std::vector<std::string> visibleTexts(DWORD pid) {
  std::vector<std::string> texts;
  for (HWND top : visibleTopWindows(pid)) {
    for (HWND child : visibleChildren(top)) {
      const std::string text = windowText(child);
      if (!text.empty()) {
        texts.push_back(text);
      }
    }
  }
  return texts;
}

HWND waitForText(DWORD pid, const std::string& text, DWORD timeoutMs) {
  HWND found = nullptr;
  eventually([&] { return (found = findText(pid, text)) != nullptr; }, timeoutMs);
  return found;
}

bool textGone(DWORD pid, const std::string& text, DWORD timeoutMs) {
  return eventually([&] { return findText(pid, text) == nullptr; }, timeoutMs);
}

HWND waitForTextWhere(DWORD pid, const std::function<bool(const std::string&)>& accept,
                      DWORD timeoutMs) {
  HWND found = nullptr;
  eventually(
      [&] {
        for (HWND top : visibleTopWindows(pid)) {
          for (HWND child : visibleChildren(top)) {
            if (accept(windowText(child))) {
              found = child;
              return true;
            }
          }
        }
        return false;
      },
      timeoutMs);
  return found;
}

HWND findChildOfClass(DWORD pid, const std::string& className) {
  for (HWND top : visibleTopWindows(pid)) {
    for (HWND child : visibleChildren(top)) {
      char name[256] = {};
      if (::GetClassNameA(child, name, sizeof name) > 0 && className == name) {
        return child;
      }
    }
  }
  return nullptr;
}

HWND topLevelOf(HWND window) { return ::GetAncestor(window, GA_ROOT); }

HWND keyboardFocus(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) {
    return nullptr;
  }
  return info.hwndFocus;
}

void TextWatch::sample() {
  for (const std::string& text : visibleTexts(pid_)) {
    if (std::find(history_.begin(), history_.end(), text) == history_.end()) {
      history_.push_back(text);
    }
  }
}

bool TextWatch::watchUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    sample();
    if (done()) {
      return true;
    }
    if (::GetTickCount() - start > timeoutMs) {
      return false;
    }
    ::Sleep(pollMs);
  }
}

void TextWatch::watchFor(DWORD milliseconds, DWORD pollMs) {
  watchUntil([] { return false; }, milliseconds, pollMs);
}

bool TextWatch::seen(const std::string& text) const {
  return std::find(history_.begin(), history_.end(), text) != history_.end();
}

bool TextWatch::seenStartingWith(const std::string& prefix) const {
  return firstStartingWith(prefix).has_value();
}

std::optional<std::string> TextWatch::firstStartingWith(const std::string& prefix) const {
  for (const std::string& text : history_) {
    if (text.compare(0, prefix.size(), prefix) == 0) {
      return text;
    }
  }
  return std::nullopt;
}

void clickAt(POINT point) {
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT inputs[3] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((point.x * 65535 + width / 2) / (width - 1));
    input.mi.dy = static_cast<LONG>((point.y * 65535 + height / 2) / (height - 1));
  }
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(1, &inputs[0], sizeof(INPUT));
  ::Sleep(50);
  ::SendInput(2, &inputs[1], sizeof(INPUT));
}

void click(HWND window) {
  RECT rect;
  ::GetWindowRect(window, &rect);
  clickAt(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void pressKey(WORD virtualKey, bool alt) {
  std::vector<INPUT> inputs;
  auto key = [&](WORD vk, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = flags;
    inputs.push_back(input);
  };
  if (alt) {
    key(VK_MENU, 0);
  }
  key(virtualKey, 0);
  key(virtualKey, KEYEVENTF_KEYUP);
  if (alt) {
    key(VK_MENU, KEYEVENTF_KEYUP);
  }
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool screenshot(HWND window, const std::string& pngPath) {
  RECT rect;
  if (!::GetWindowRect(window, &rect)) {
    return false;
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  // The screen's pixels, not the window's own DC: another process's window
  // is drawn in that process, and only the screen holds what it drew.
  win32::WindowDc source(nullptr);
  win32::UniqueMemoryDc memory(::CreateCompatibleDC(source.get()));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  win32::UniqueBitmap bitmap(
      ::CreateDIBSection(source.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !bitmap || bits == nullptr) {
    return false;
  }
  {
    win32::SelectGuard select(memory.get(), bitmap.get());
    ::BitBlt(memory.get(), 0, 0, width, height, source.get(), rect.left, rect.top, SRCCOPY);
  }
  ::GdiFlush();
  const int stride = (width * 3 + 3) & ~3;
  std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
  const auto* row = static_cast<const unsigned char*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const unsigned char* bgr = row + y * stride + x * 3;
      unsigned char* out = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
      out[0] = bgr[2];
      out[1] = bgr[1];
      out[2] = bgr[0];
    }
  }
  // Black throughout means the screen holds nothing of the window: Wine's null
  // display keeps each process's windows to itself, so only a real or virtual
  // X display (or Windows) shows another program's windows.
  if (std::all_of(rgb.begin(), rgb.end(), [](unsigned char c) { return c == 0; })) {
    return false;
  }
  return stbi_write_png(pngPath.c_str(), width, height, 3, rgb.data(), width * 3) != 0;
}

bool saveScreenshot(HWND window, const std::string& name, DWORD settleMs) {
  const auto folder = environmentVariable("VORLANE_SCREENSHOTS");
  if (!folder || folder->empty()) {
    return true;
  }
  ::CreateDirectoryA(folder->c_str(), nullptr);
  // A window found by its text may not have painted yet: let its program
  // finish what it has queued first.
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutA(topLevelOf(window), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
  ::Sleep(settleMs);
  return screenshot(topLevelOf(window), *folder + "\\" + name + ".png");
}

std::optional<std::string> readUserValue(const std::string& subkey, const std::string& name) {
  HKEY raw = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, win32::widen(subkey).c_str(), 0, KEY_READ, &raw) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  win32::UniqueKey key(raw);
  wchar_t data[2048];
  DWORD size = sizeof data;
  DWORD type = 0;
  if (::RegQueryValueExW(key.get(), win32::widen(name).c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return std::nullopt;
  }
  std::size_t length = size / sizeof(wchar_t);
  if (length > 0 && data[length - 1] == L'\0') {
    --length;
  }
  return win32::toUtf8(std::wstring_view(data, length));
}

bool setUserValue(const std::string& subkey, const std::string& name, const std::string& value) {
  HKEY raw = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &raw,
                        nullptr) != ERROR_SUCCESS) {
    return false;
  }
  win32::UniqueKey key(raw);
  return ::RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

void deleteUserKey(const std::string& subkey) { ::SHDeleteKeyA(HKEY_CURRENT_USER, subkey.c_str()); }

void deleteUserValue(const std::string& subkey, const std::string& name) {
  ::SHDeleteValueA(HKEY_CURRENT_USER, subkey.c_str(), name.c_str());
}

std::optional<std::string> unixPath(const std::string& path) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void (*)()>(
      ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (toUnix == nullptr) {
    return std::nullopt;
  }
  char* converted = toUnix(win32::widen(path).c_str());
  if (converted == nullptr) {
    return std::nullopt;
  }
  std::string result = converted;
  ::HeapFree(::GetProcessHeap(), 0, converted);
  return result;
}

bool runUnixCommand(const std::vector<std::string>& arguments) {
  using Spawn = LONG(CDECL*)(char* const*, int);
  const auto spawn = reinterpret_cast<Spawn>(reinterpret_cast<void (*)()>(
      ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "__wine_unix_spawnvp")));
  if (spawn == nullptr || arguments.empty()) {
    return false;
  }
  std::vector<std::string> copies(arguments);
  std::vector<char*> argv;
  for (auto& argument : copies) {
    argv.push_back(argument.data());
  }
  argv.push_back(nullptr);
  return spawn(argv.data(), TRUE) == 0;
}

}  // namespace vorlane::e2e
