#include <windows.h>
// psapi.h needs the types of windows.h.
#include <gtest/gtest.h>
#include <psapi.h>

#include <algorithm>
#include <string>
#include <vector>

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

// The real loop, noting the pop-up's text and the commit charge every turn.
struct WatchingPump final : MessagePump {
  WatchingPump(Win32MessagePump& loop, Label& text) : pump(loop), progress(text) {}
  void pumpOnce() override {
    pump.pumpOnce();
    const std::string text = progress.text();
    if (!text.empty() && (texts.empty() || texts.back() != text)) {
      texts.push_back(text);
    }
    peakCommit = std::max(peakCommit, commitCharge());
  }
  void waitUntil(const std::function<bool()>& done) override { pump.waitUntil(done); }
  Win32MessagePump& pump;
  Label& progress;
  std::vector<std::string> texts;
  std::uint64_t peakCommit = 0;
};

struct Win32ClearingTest : ::testing::Test {
  testing::DesktopLock desktop;
  Win32MessagePump pump;
  Win32TimerService timers{1};
  Win32Clock clock;
  frmmsg popup{[](frmmsg& model) { return std::make_unique<PopupWindow>(model, nullptr); }, timers,
               pump, clock};
  Win32MemoryStatusSource memory{std::string()};
  VirtualAllocBlockAllocator allocator;
  ProgramState state;
  WatchingPump watching{pump, static_cast<PopupWindow&>(popup.view()).twoLineArea()};
  RamClearer clearer{state, memory, allocator, watching, pump, popup};
  Form1 logic{memory, popup, clearer, userDecimalSeparator};
  Form1Window window{logic};
};

TEST_F(Win32ClearingTest, Command2ClickedShowsProgressWhileTheBlocksAreHeld) {
  window.form().show();
  const std::uint64_t before = commitCharge();
  ::SendMessageA(window.Command2().handle(), BM_CLICK, 0, 0);
  ASSERT_GE(watching.texts.size(), 11u);
  EXPECT_EQ(watching.texts.front(), "Clearing Ram... 10MB\r\n0% done.");
  EXPECT_EQ(watching.texts.back(), "Clearing Ram... 10MB\r\n100% done.");
  EXPECT_GE(watching.peakCommit, before + 22 * kMiB);
  EXPECT_LT(commitCharge(), before + 2 * kMiB);
  EXPECT_FALSE(popup.shown());
}

TEST(VirtualAllocBlockAllocator, GivesWritableBlocksAndRefusesImpossibleOnes) {
  VirtualAllocBlockAllocator allocator;
  EXPECT_EQ(allocator.claim(0), nullptr);
  EXPECT_EQ(allocator.claim(~std::size_t{0} - 0xFFFF), nullptr);
  const auto block = allocator.claim(2 * kMiB);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->size(), 2 * kMiB);
  block->data()[block->size() - 1] = 2;
  EXPECT_EQ(block->data()[block->size() - 1], 2);
}

}  // namespace
}  // namespace vorlane::win32
