// The clearing routine against the real system: blocks from VirtualAlloc, the
// process's private memory read back with GetProcessMemoryInfo.
#include <windows.h>
// psapi.h needs the types of windows.h.
#include <gtest/gtest.h>
#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "app/memory/form1.h"
#include "app/memory/ram_clearer.h"
#include "app/memory/tests/memory_fakes.h"
#include "app/memory/win32/user_number_format.h"
#include "app/memory/win32/virtual_alloc_allocator.h"

namespace vorlane::testing {
namespace {

struct ProcessMemory {
  std::uint64_t privateBytes = 0;   // committed private memory (commit charge)
  std::uint64_t residentBytes = 0;  // working set: pages really in physical memory
};

// PagefileUsage is the process's commit charge, the same figure as the later
// PrivateUsage; Wine fills only the former.
ProcessMemory processMemory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters))) {
    return {};
  }
  return {counters.PagefileUsage, counters.WorkingSetSize};
}

class SystemMemorySource final : public MemoryStatusSource {
 public:
  MemoryStatus read() override {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (!::GlobalMemoryStatusEx(&status)) {
      return {};
    }
    return {status.ullTotalPhys, status.ullAvailPhys};
  }
};

// A message loop that samples the private memory on every turn.
class SamplingPump final : public MessagePump {
 public:
  void pumpOnce() override {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::DispatchMessageA(&msg);
    }
    const ProcessMemory now = processMemory();
    peakPrivate = std::max(peakPrivate, now.privateBytes);
    peakResident = std::max(peakResident, now.residentBytes);
  }
  void waitUntil(const std::function<bool()>&) override {}

  std::uint64_t peakPrivate = 0;
  std::uint64_t peakResident = 0;
};

// The real clearing routine: system memory figures, VirtualAlloc blocks, a
// sampling loop and a recording pop-up.
struct RealClearing {
  ProgramState state;
  SystemMemorySource memory;
  VirtualAllocBlockAllocator allocator;
  SamplingPump pump;
  std::vector<std::string> log;
  FakePopup popup{log};
  RamClearer clearer{state, memory, allocator, pump, popup};
};

TEST(Win32ClearingTest, Command2RaisesPrivateMemoryDuringTheCallAndGivesItBack) {
  RealClearing run;
  Win32UserNumberFormat numberFormat;
  Form1 form(run.memory, run.popup, run.clearer, numberFormat);

  const ProcessMemory before = processMemory();
  ASSERT_GT(before.privateBytes, 0u);
  form.Command2_Click();  // clearram(10): 11 blocks, 22 MiB
  const ProcessMemory after = processMemory();

  EXPECT_GE(run.pump.peakPrivate, before.privateBytes + 22 * kMiB);
  EXPECT_GE(run.pump.peakResident, before.residentBytes + 22 * kMiB);
  EXPECT_LT(after.privateBytes, before.privateBytes + 2 * kMiB);
  ASSERT_EQ(run.log.size(), 12u);
  EXPECT_EQ(run.log[0], "viewmsg: Clearing Ram... 10MB\r\n0% done.");
  EXPECT_EQ(run.log[10], "viewmsg: Clearing Ram... 10MB\r\n100% done.");
  EXPECT_EQ(run.log.back(), "hidemsg");
}

TEST(Win32ClearingTest, ClearramElevenHoldsTwelveWrittenBlocks) {
  RealClearing run;

  const ProcessMemory before = processMemory();
  std::int32_t n = 11;
  run.clearer.clearram(n);
  EXPECT_EQ(n, 11);
  EXPECT_GE(run.pump.peakPrivate, before.privateBytes + 24 * kMiB);
  EXPECT_GE(run.pump.peakResident, before.residentBytes + 24 * kMiB);
  EXPECT_LT(processMemory().privateBytes, before.privateBytes + 2 * kMiB);
}

TEST(Win32ClearingTest, AllocatorGivesWritableBlocksAndRefusesImpossibleOnes) {
  VirtualAllocBlockAllocator allocator;
  EXPECT_EQ(allocator.claim(0), nullptr);
  EXPECT_EQ(allocator.claim(~std::size_t{0} - 0xFFFF), nullptr);
  auto block = allocator.claim(2 * kMiB);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->size(), 2 * kMiB);
  block->data()[0] = 1;
  block->data()[block->size() - 1] = 2;
  EXPECT_EQ(block->data()[block->size() - 1], 2);
}

TEST(Win32ClearingTest, Command1ShowsTheTrueTotalInTheUsersFormat) {
  SystemMemorySource memory;
  std::vector<std::string> log;
  FakePopup popup(log);
  RecordingClearer clearer;
  Win32UserNumberFormat numberFormat;
  const std::string separator = numberFormat.decimalSeparator();
  ASSERT_FALSE(separator.empty());

  Form1(memory, popup, clearer, numberFormat).Command1_Click();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0], "showmsg: " + totalMemoryText(memory.read().totalPhysBytes, separator));
}

}  // namespace
}  // namespace vorlane::testing
