#include "tests/e2e/driver.h"

#include <shlwapi.h>

#include <cstdio>

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

Process startProgram(const std::string& exePath) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::string commandLine = "\"" + exePath + "\"";
  if (!::CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info)) {
    return {};
  }
  win32::UniqueKernelHandle thread(info.hThread);
  return Process(win32::UniqueKernelHandle(info.hProcess), info.dwProcessId);
}

std::string makeFreshFolder(const std::string& stem) {
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  for (unsigned attempt = 0;; ++attempt) {
    const std::string folder = std::string(temp) + stem + "-" +
                               std::to_string(::GetCurrentProcessId()) + "-" +
                               std::to_string(attempt);
    if (::CreateDirectoryA(folder.c_str(), nullptr)) {
      return folder;
    }
  }
}

bool copyFileTo(const std::string& from, const std::string& to) {
  return ::CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

std::string thisExeFolder() {
  char path[MAX_PATH];
  const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
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
      [](HWND window, LPARAM param) -> BOOL {
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
      [](HWND child, LPARAM param) -> BOOL {
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
  win32::WindowDc source(window, win32::WindowDc::Area::WholeWindow);
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
    ::BitBlt(memory.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY);
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
  return stbi_write_png(pngPath.c_str(), width, height, 3, rgb.data(), width * 3) != 0;
}

std::optional<std::string> readUserValue(const std::string& subkey, const std::string& name) {
  HKEY raw = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  win32::UniqueKey key(raw);
  char data[2048];
  DWORD size = sizeof data;
  DWORD type = 0;
  if (::RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data),
                         &size) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return std::nullopt;
  }
  return std::string(data, size > 0 && data[size - 1] == '\0' ? size - 1 : size);
}

void deleteUserKey(const std::string& subkey) { ::SHDeleteKeyA(HKEY_CURRENT_USER, subkey.c_str()); }

void deleteUserValue(const std::string& subkey, const std::string& name) {
  ::SHDeleteValueA(HKEY_CURRENT_USER, subkey.c_str(), name.c_str());
}

}  // namespace vorlane::e2e
