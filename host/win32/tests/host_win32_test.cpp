#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/creation_failure.h"
#include "host/win32/clock.h"
#include "host/win32/dll_search.h"
#include "host/win32/forms.h"
#include "host/win32/message_pump.h"
#include "host/win32/registry_settings_store.h"
#include "host/win32/run_registry.h"
#include "host/win32/single_instance.h"
#include "host/win32/tests/test_support.h"
#include "host/win32/text_files.h"
#include "host/win32/timer_service.h"

namespace vorlane::win32 {
namespace {

// Milliseconds from the performance counter: finer than the tick count.
double nowMs() {
  LARGE_INTEGER frequency, counter;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Long work offers turns through pumpIfDue as often as it likes; they are taken
// at most every 2 ms, and a 10 ms timer's longest gap meanwhile is held against
// the longest over as many idle ticks, since a loaded machine delays timers itself.
TEST(Timers, FireAtTheScaledIntervalWhileEnabledEndThemselvesAndServeLongWork) {
  Win32TimerService timers(1), scaled(100);
  Win32MessagePump pump;
  int minutes = 0, zeroTicks = 0, selfEnded = 0;
  auto zero = timers.createTimer(0, true, [&] { ++zeroTicks; });
  std::unique_ptr<Timer> once = timers.createTimer(15, true, [&] {
    ++selfEnded;
    once.reset();
  });
  auto minute = scaled.createTimer(60000, true, [&] { ++minutes; });  // 600 ms when scaled
  testing::waitFor(timers, pump, [&] { return minutes == 2; });
  minute->setEnabled(false);
  std::vector<double> ticks{nowMs()};  // the start of the work, then every tick
  const auto tick = timers.createTimer(10, true, [&] { ticks.push_back(nowMs()); });
  int turns = 0;
  while (nowMs() - ticks[0] < 200) {
    turns += pump.pumpIfDue() ? 1 : 0;
  }
  ticks.push_back(nowMs());  // the end of the work ends its last gap
  EXPECT_LE(turns, (ticks.back() - ticks[0]) / 2 + 10);
  const std::size_t workEnd = ticks.size() - 1;
  testing::waitFor(timers, pump,
                   [&] { return ticks.size() > 2 * workEnd + 1 && ticks.back() - ticks[0] > 700; });
  double longest[2] = {};  // while working, then idle
  for (std::size_t i = 1; i <= 2 * workEnd; ++i) {
    if (i != workEnd + 1) {
      longest[i > workEnd] = std::max(longest[i > workEnd], ticks[i] - ticks[i - 1]);
    }
  }
  EXPECT_LE(longest[0], std::max(20.0, 2 * longest[1]));
  EXPECT_EQ(minutes, 2) << "a disabled timer stays quiet";
  EXPECT_EQ(zeroTicks, 0);
  EXPECT_EQ(selfEnded, 1);
}

TEST(MessagePump, FailuresAndQuitInANestedWaitEndEveryWait) {
  Win32TimerService timers(1);
  Win32MessagePump pump;
  auto failing = timers.createTimer(10, true, [] { throw std::runtime_error("tick failed"); });
  EXPECT_THROW(pump.waitUntil([] { return false; }), std::runtime_error);
  failing.reset();
  bool nested = false, innerReturned = false;
  auto timer = timers.createTimer(10, true, [&] {
    if (std::exchange(nested, true)) {
      ::PostQuitMessage(7);
      return;
    }
    pump.waitUntil([] { return false; });
    innerReturned = true;
  });
  pump.waitUntil([] { return false; });
  EXPECT_TRUE(innerReturned);
  EXPECT_TRUE(pump.ending());
  timer.reset();
  EXPECT_EQ(pump.run(), 7) << "the top-level loop sees the quit too";
}

TEST(MessagePump, EndProgramDestroysEveryFormAndAWindowThatCannotBeMadeThrows) {
  Win32MessagePump pump;
  Form form(FormOptions{"Zendry's Vorlane", 4905, 2265});
  Label label(form, {0, 0, 600, 300}, "label", LabelOptions{});
  pump.endProgram();
  EXPECT_EQ(form.handle(), nullptr);
  EXPECT_EQ(label.handle(), nullptr);
  label.setText("still safe");
  EXPECT_EQ(pump.run(), 0);
  try {
    Label orphan(form, {0, 0, 600, 300}, "orphan", LabelOptions{});
    ADD_FAILURE() << "a window without its parent was made";
  } catch (const CreationFailure& failure) {
    EXPECT_EQ(std::string(failure.what()).rfind("The window \"orphan\" could not be created", 0),
              0u);
  }
}

TEST(Registry, AKeyTheSystemRefusesFailsTheWrite) {
  EXPECT_FALSE(RegistrySettingsStore("Software\\" + std::string(300, 'k')).write("mode", "normal"));
  EXPECT_FALSE(Win32RunRegistry("Software\\vorlane-tests no such key").openForWrite());
}

TEST(TextFiles, AHeldFileIsUnavailableNotMissing) {
  const std::string path = ::testing::TempDir() + "vorlane-held.dat";
  Win32TextFiles files;
  EXPECT_EQ(files.openForReading(path + ".none").failure, OpenFailure::Missing);
  const UniqueFile held(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  ASSERT_TRUE(held);
  EXPECT_EQ(files.openForReading(path).failure, OpenFailure::Unavailable);
}

// An empty access list grants nobody anything, as to a copy running elevated:
// a lock that exists but cannot be opened is another copy all the same.
TEST(SingleInstance, ALockThatCannotBeOpenedIsAnotherCopy) {
  const std::string program = "instance-test-" + std::to_string(::GetCurrentProcessId());
  SECURITY_DESCRIPTOR descriptor;
  ACL acl;
  ::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
  ::InitializeAcl(&acl, sizeof acl, ACL_REVISION);
  ::SetSecurityDescriptorDacl(&descriptor, TRUE, &acl, FALSE);
  SECURITY_ATTRIBUTES attributes = {sizeof attributes, &descriptor, FALSE};
  EXPECT_FALSE(SingleInstance(program).previousInstance());
  const UniqueKernelHandle locked(
      ::CreateMutexA(&attributes, FALSE, SingleInstance::mutexName(program).c_str()));
  ASSERT_TRUE(locked);
  EXPECT_TRUE(SingleInstance(program).previousInstance());
}

TEST(Clock, WidensTheTickCountAcrossItsWrap) {
  std::uint32_t last = 0;
  std::uint64_t wraps = 0;
  EXPECT_EQ(Win32Clock::widen(0xFFFFFFF0u, last, wraps), 0xFFFFFFF0ULL);
  EXPECT_EQ(Win32Clock::widen(0x10u, last, wraps), 0x100000010ULL);
  EXPECT_EQ(Win32Clock::widen(0x20u, last, wraps), 0x100000020ULL);
}

// Last: the restriction holds for the rest of the process.
TEST(DllSearch, ADllBesideTheExeIsNotLoadedByNameOnceRestricted) {
  ASSERT_TRUE(UniqueModule(::LoadLibraryW(L"vorlane_planted.dll"))) << "not planted beside the exe";
  restrictDllSearchPath();
  EXPECT_FALSE(UniqueModule(::LoadLibraryW(L"vorlane_planted.dll")));
}

}  // namespace
}  // namespace vorlane::win32
