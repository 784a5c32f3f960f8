// The real x86 Vorlane.exe and logger.exe, end to end, in a Wine prefix that
// reports Windows XP. An emulated 32-bit process takes a minute or more to
// start, so this one process does every check and starts Vorlane once per mode.
// Prints a line per check, last "x86 smoke: N passed, M failed"; exits 1 on a
// failed check.

#include <algorithm>
#include <cstdio>
#include <string>

#include "tests/e2e/driver.h"

namespace vorlane::e2e {
namespace {

int passed = 0;
int failed = 0;

// `seen` is printed on the same line, CR and LF shown as "|".
void check(bool ok, const std::string& what, std::string seen) {
  ++(ok ? passed : failed);
  std::replace_if(
      seen.begin(), seen.end(), [](char c) { return c == '\r' || c == '\n'; }, '|');
  std::printf("%s %s%s%s\n", ok ? "ok    " : "FAILED", what.c_str(), ok ? "" : ": ",
              ok ? "" : seen.c_str());
  std::fflush(stdout);
}

// A later start in `mode` of the machine's `figures`, timers a thousand times
// faster, its log rounding to `low` and `low + 2` (learned: `low + 1`): its
// first check clears `megabytes`, its logger writes `sample`. Each wait allows
// ten minutes, several emulated starts on a busy machine.
void laterStart(const Stage& stage, const std::string& mode, int low, int pairs,
                const std::string& figures, int megabytes, const std::string& sample) {
  std::string log;
  for (int i = 0; i < pairs; ++i) {
    log += std::to_string(low) + ".4\r\n" + std::to_string(low + 2) + ".4\r\n";
  }
  check(stage.laterStart(mode, log) && setUserValue(kSettingsKey, "startrun", "false"),
        "settings and log.dat of a later start in mode " + mode, "");
  Process vorlane = stage.start("Vorlane.exe", 1000, figures);
  checkLaterStartClears(stage, vorlane, mode, megabytes, sample, stage.path("log.dat"), 600000,
                        check);
  stage.endPrograms();
}

int run() {
  OSVERSIONINFOA version{sizeof version};
  check(::GetVersionExA(&version) && version.dwMajorVersion == 5 && version.dwMinorVersion == 1,
        "Windows reports XP (5.1)",
        std::to_string(version.dwMajorVersion) + "." + std::to_string(version.dwMinorVersion));
  Stage stage;
  check(stage.open("vorlane-x86"), "Vorlane.exe and logger.exe copied", "");
  // 6 GiB, 29.9999999968956 % free, learned 31 %: 61 1048567-byte megabytes.
  laterStart(stage, "normal", 30, 2000, "6442450944 1932735283", 61, "29.9999999968956");
  // 4 GiB, a quarter free, learned 26 %: 41 megabytes, silently.
  laterStart(stage, "stealth", 25, 1, "4294967296 1073741824", 41, "25");
  check(stage.close(), "every process of the folder ended", "");
  std::printf("x86 smoke: %d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}

}  // namespace
}  // namespace vorlane::e2e

int main() { return vorlane::e2e::run(); }
