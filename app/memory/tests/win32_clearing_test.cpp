#include <windows.h>
// psapi.h needs the types of windows.h.
#include <gtest/gtest.h>
#include <psapi.h>

#include <string>

#include "app/memory/win32/form1_window.h"
#include "app/memory/win32/virtual_alloc_allocator.h"
#include "host/win32/clock.h"
#include "host/win32/memory_status.h"
#include "host/win32/tests/test_support.h"
#include "host/win32/timer_service.h"
#include "popup/win32/popup_window.h"

namespace vorlane::win32 {
namespace {

constexpr std::uint64_t kMiB = 1024 * 1024;

std::uint64_t commitCharge() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
  return counters.PagefileUsage;
}

// The diagnostic form's button runs the real routine on the real loop: the
// blocks go back to the system, the pop-up hides. A block the system cannot
// give is refused, not thrown. (That the routine's pages are real and its
// progress is shown, the end-to-end clearings check.)
TEST(Win32Clearing, Command2ClearsTenMegabytesAndGivesThemBack) {
  testing::DesktopLock desktop;
  Win32MessagePump pump;
  Win32TimerService timers{1};
  Win32Clock clock;
  frmmsg popup{[](frmmsg& model) { return std::make_unique<PopupWindow>(model, nullptr); }, timers,
               pump, clock};
  Win32MemoryStatusSource memory{std::string()};
  VirtualAllocBlockAllocator allocator;
  ProgramState state;
  RamClearer clearer{state, memory, allocator, pump, pump, popup};
  Form1 logic{memory, popup, clearer, userDecimalSeparator};
  Form1Window window{logic};
  window.form().show();
  const std::uint64_t before = commitCharge();
  ::SendMessageA(window.Command2().handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(state.clearpercent, 100);
  EXPECT_LT(commitCharge(), before + 2 * kMiB);
  EXPECT_FALSE(popup.shown());
  EXPECT_EQ(allocator.claim(0), nullptr);
  EXPECT_EQ(allocator.claim(~std::size_t{0} - 0xFFFF), nullptr);
}

}  // namespace
}  // namespace vorlane::win32
