// Started by the launcher test: writes how it was started (argument count and
// show command) into launch_probe.out beside itself, then ends.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char**) {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string out(path);
  out = out.substr(0, out.rfind('\\') + 1) + "launch_probe.out";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  ::GetStartupInfoA(&startup);
  const unsigned show =
      (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : 0xFFFFu;
  std::FILE* file = std::fopen(out.c_str(), "w");
  if (file == nullptr) {
    return 1;
  }
  std::fprintf(file, "%d %u", argc, show);
  std::fclose(file);
  return 0;
}
