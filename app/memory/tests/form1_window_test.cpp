// The diagnostic form for real: Command2 clicked with real mouse input clears
// with the real allocator, and the progress texts are read from the real
// pop-up while the blocks are held. Command1's figure is checked natively;
// the form's layout is not checked, since no user ever opens this form.
#include "app/memory/win32/form1_window.h"

#include <windows.h>
// psapi.h needs the types of windows.h.
#include <gtest/gtest.h>
#include <psapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/memory/win32/user_number_format.h"
#include "app/memory/win32/virtual_alloc_allocator.h"
#include "host/win32/clock.h"
#include "host/win32/memory_status.h"
#include "host/win32/message_pump.h"
#include "host/win32/tests/test_support.h"
#include "host/win32/timer_service.h"
#include "popup/frmmsg.h"
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

// The clearing routine's message loop: the real one, plus a look at the
// pop-up's texts and the process's memory on every turn.
class WatchingPump final : public MessagePump {
 public:
  WatchingPump(Win32MessagePump& pump, Label& progress) : pump_(pump), progress_(progress) {}
  void pumpOnce() override {
    pump_.pumpOnce();
    const std::string text = progress_.text();
    if (!text.empty() && (texts.empty() || texts.back() != text)) {
      texts.push_back(text);
    }
    peakCommit = std::max(peakCommit, commitCharge());
  }
  void waitUntil(const std::function<bool()>& done) override { pump_.waitUntil(done); }

  std::vector<std::string> texts;
  std::uint64_t peakCommit = 0;

 private:
  Win32MessagePump& pump_;
  Label& progress_;
};

void clickCentre(HWND window) {
  RECT rect;
  ::GetWindowRect(window, &rect);
  ::SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, inputs, sizeof(INPUT));
}

class Form1WindowTest : public ::testing::Test {
 protected:
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
  Win32UserNumberFormat numberFormat;
  Form1 logic{memory, popup, clearer, numberFormat};
  Form1Window window{logic};
};

TEST_F(Form1WindowTest, Command2ClickedShowsProgressWhileTheBlocksAreHeld) {
  window.form().show();
  window.form().activate();
  const std::uint64_t before = commitCharge();
  clickCentre(window.Command2().handle());
  const DWORD start = ::GetTickCount();
  pump.waitUntil([&] {
    return (watching.texts.size() >= 11 && !clearer.clearing()) || ::GetTickCount() - start > 10000;
  });

  ASSERT_GE(watching.texts.size(), 11u);
  EXPECT_EQ(watching.texts.front(), "Clearing Ram... 10MB\r\n0% done.");
  EXPECT_EQ(watching.texts.back(), "Clearing Ram... 10MB\r\n100% done.");
  EXPECT_GE(watching.peakCommit, before + 22 * kMiB);
  EXPECT_LT(commitCharge(), before + 2 * kMiB);
  EXPECT_FALSE(popup.shown());
}

}  // namespace
}  // namespace vorlane::win32
