// The x86 smoke check: the real x86 Vorlane.exe and logger.exe, end to end, in
// a Wine prefix that reports Windows XP. Where the 32-bit Wine loader runs
// emulated, every 32-bit process takes a minute or more to start, so this one
// x86 process does every check itself (reading windows, texts, files and the
// registry directly) and starts each program as few times as it can: Vorlane
// once per mode, and the logger only as Vorlane's own later start starts it.
//
// Prints one line per check and last "x86 smoke: N passed, M failed"; exits 1
// when a check failed.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"

namespace vorlane::x86smoke {
namespace {

using e2e::Environment;
using e2e::Process;

constexpr const char* kSettingsKey = "Software\\vorlane\\settings";
constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kRunValue = "Zendry's Vorlane";
constexpr const char* kGreeting = "Welcome to Zendry's Vorlane";
constexpr const char* kClearingPrefix = "Clearing Ram... ";

// An emulated process start takes one to two minutes, and several times that
// on a machine busy with other work; the programs' own work, at a thousand
// times the speed, takes seconds.
constexpr DWORD kStartTimeoutMs = 600000;
constexpr std::size_t kBlockBytes = std::size_t{2} << 20;

// The texts a watch saw, on one line.
std::string joined(const std::vector<std::string>& texts) {
  std::string line;
  for (const std::string& text : texts) {
    line += (line.empty() ? "[" : ", [") + text + "]";
  }
  return line;
}

class Smoke {
 public:
  Smoke() : started_(::GetTickCount()) {}

  int run() {
    checkWindowsVersion();
    folder_ = e2e::makeFreshFolder("vorlane-x86");
    const std::string programs = e2e::thisExeFolder();
    for (const char* exe : {"Vorlane.exe", "logger.exe"}) {
      check(e2e::copyFileTo(programs + exe, path(exe)), std::string("copied ") + exe);
    }
    clearRegistry();
    normalStart();
    e2e::terminateProcessesIn(folder_);
    stealthStart();
    e2e::terminateProcessesIn(folder_);
    check(e2e::processesIn(folder_).empty(), "every process of the folder ended");
    e2e::removeFolder(folder_);
    clearRegistry();
    std::printf("x86 smoke: %d passed, %d failed\n", passed_, failed_);
    return failed_ == 0 ? 0 : 1;
  }

 private:
  // `detail` is printed on one line, CR and LF shown as "|".
  void check(bool ok, const std::string& what, std::string detail = "") {
    ok ? ++passed_ : ++failed_;
    for (char& c : detail) {
      if (c == '\r' || c == '\n') {
        c = '|';
      }
    }
    std::printf("%s %s%s%s\n", ok ? "ok    " : "FAILED", what.c_str(), detail.empty() ? "" : ": ",
                detail.c_str());
    std::fflush(stdout);
  }

  void note(const std::string& what) {
    std::printf("       %s (%.1f s)\n", what.c_str(), seconds());
    std::fflush(stdout);
  }

  double seconds() const { return (::GetTickCount() - started_) / 1000.0; }

  std::string path(const std::string& name) const { return folder_ + "\\" + name; }

  void clearRegistry() const {
    e2e::deleteUserKey(kSettingsKey);
    e2e::deleteUserValue(kRunKey, kRunValue);
  }

  // The prefix is set to Windows XP: the programs see what they would see there.
  void checkWindowsVersion() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    const bool read = ::GetVersionExA(&version) != 0;
    check(read && version.dwMajorVersion == 5 && version.dwMinorVersion == 1,
          "Windows reports XP (5.1)",
          std::to_string(version.dwMajorVersion) + "." + std::to_string(version.dwMinorVersion));
  }

  // A later start: settings stored, a log whose samples round to `low` and
  // `low + 2` (the learned level is `low + 1`), and the machine's figures from
  // memory.txt, with every timer a thousand times faster.
  Environment laterStart(const std::string& mode, int low, int pairs, const std::string& figures) {
    check(e2e::setUserValue(kSettingsKey, "firstuse", "True") &&
              e2e::setUserValue(kSettingsKey, "mode", mode) &&
              e2e::setUserValue(kSettingsKey, "startrun", "false"),
          "settings stored for a later start in mode " + mode);
    std::string log;
    for (int i = 0; i < pairs; ++i) {
      log += std::to_string(low) + ".4\r\n" + std::to_string(low + 2) + ".4\r\n";
    }
    check(
        e2e::writeFileText(path("log.dat"), log) && e2e::writeFileText(path("memory.txt"), figures),
        "log.dat and memory.txt written");
    return {{"VORLANE_TIME_SCALE", "1000"}, {"VORLANE_MEMORY_FILE", path("memory.txt")}};
  }

  // The number of lines of log.dat when every line is `sample` CR LF; -1 when
  // the log is missing or any line differs.
  int samplesOf(const std::string& sample) const {
    const auto log = e2e::readFileText(path("log.dat"));
    const std::string line = sample + "\r\n";
    if (!log || log->size() % line.size() != 0) {
      return -1;
    }
    for (std::size_t at = 0; at < log->size(); at += line.size()) {
      if (log->compare(at, line.size(), line) != 0) {
        return -1;
      }
    }
    return static_cast<int>(log->size() / line.size());
  }

  // The logger Vorlane started empties the log and writes a sample a (scaled)
  // minute, each in the log's line format.
  void checkLoggerSamples(const std::string& sample) {
    const bool one = e2e::eventually(
        [&] { return e2e::processesIn(folder_, "logger.exe").size() == 1; }, kStartTimeoutMs);
    check(one, "one logger.exe running from the folder");
    const bool written = e2e::eventually([&] { return samplesOf(sample) >= 3; }, kStartTimeoutMs);
    note("logger samples read");
    const auto log = e2e::readFileText(path("log.dat"));
    check(written, "logger wrote samples \"" + sample + "\" CR LF",
          written ? "" : "log.dat: " + log.value_or("(missing)").substr(0, 200));
  }

  // 6 GiB in all, 1,932,735,283 bytes free: 29.9999999968956 %, learned 31 %:
  // a check clears (31 - 29.9999999968956) % of 6 GiB in 1048567-byte
  // megabytes, 61, with the progress in the pop-up.
  void normalStart() {
    const Environment environment = laterStart("normal", 30, 2000, "6442450944 1932735283");
    const Process vorlane = e2e::startProgram(path("Vorlane.exe"), environment);
    const DWORD pid = vorlane.id();
    check(pid != 0, "Vorlane.exe started (normal mode)");
    bool windowShown = false;
    e2e::TextWatch watch(pid);
    const bool cleared = watch.watchUntil(
        [&] {
          if (!windowShown && !e2e::visibleTopWindows(pid).empty()) {
            windowShown = true;
            note("Vorlane.exe showed its first window");
          }
          return watch.seenStartingWith(kClearingPrefix);
        },
        kStartTimeoutMs, 2);
    note("clearing progress seen");
    check(cleared, "clearing progress shown", cleared ? "" : joined(watch.history()));
    // The learning's texts stand for milliseconds only (the loop is served by
    // the clock): the progress's 61 MB below show what was learned.
    check(!watch.seen(kGreeting), "no first-use greeting");
    if (cleared) {
      const std::string progress = *watch.firstStartingWith(kClearingPrefix);
      check(progress.rfind("Clearing Ram... 61MB\r\n", 0) == 0 && progress.size() > 7 &&
                progress.substr(progress.size() - 7) == "% done.",
            "progress text \"Clearing Ram... 61MB\" CR LF \"N% done.\"", progress);
    }
    checkLoggerSamples("29.9999999968956");
    check(vorlane.running(), "Vorlane.exe still watching");
  }

  // 4 GiB in all, a quarter free, learned 26 %: a check claims 41 + 1 blocks of
  // 2 MiB and shows nothing.
  void stealthStart() {
    const Environment environment = laterStart("stealth", 25, 1, "4294967296 1073741824");
    const Process vorlane = e2e::startProgram(path("Vorlane.exe"), environment);
    const DWORD pid = vorlane.id();
    check(pid != 0, "Vorlane.exe started (stealth mode)");
    e2e::TextWatch watch(pid);
    const std::size_t claimed = 42 * kBlockBytes;
    const bool cleared = watch.watchUntil(
        [&] {
          const auto peak = e2e::peakWorkingSet(pid);
          return peak.has_value() && *peak >= claimed;
        },
        kStartTimeoutMs, 20);
    note("stealth clearing seen in the working set");
    const auto peak = e2e::peakWorkingSet(pid);
    check(cleared, "peak working set rose by the 42 claimed blocks",
          std::to_string(peak.value_or(0) >> 20) + " MiB");
    // A while longer: the next checks clear again, still without a word.
    watch.watchFor(2000, 20);
    const bool quiet = !watch.seenStartingWith(kClearingPrefix) && !watch.seen(kGreeting);
    check(quiet, "nothing shown in stealth mode", quiet ? "" : joined(watch.history()));
    checkLoggerSamples("25");
    check(vorlane.running(), "Vorlane.exe still watching");
  }

  DWORD started_;
  std::string folder_;
  int passed_ = 0;
  int failed_ = 0;
};

}  // namespace
}  // namespace vorlane::x86smoke

int main() { return vorlane::x86smoke::Smoke().run(); }
