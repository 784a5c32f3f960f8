#include "app/memory/ram_clearer.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "host/rounding.h"

namespace vorlane {

namespace {

// Any non-zero byte will do; a space, as the pages were filled with spaces
// before. Not zero, so no system can treat the pages as untouched zero pages.
constexpr unsigned char kFillByte = 0x20;

// Runs one step of the routine; a failing step is dropped, the next goes on.
template <typename Step>
void attempt(Step&& step) noexcept {
  try {
    step();
  } catch (...) {
  }
}

}  // namespace

std::int32_t capClearing(std::int32_t n, std::uint64_t totalPhysBytes) {
  const double allowed = static_cast<double>(totalPhysBytes) / RamClearer::kBytesPerAllowedBlock;
  if (allowed < n) {
    // allowed < n <= INT32_MAX, so the rounded figure fits.
    return static_cast<std::int32_t>(roundHalfEven(allowed));
  }
  return n;
}

RamClearer::RamClearer(ProgramState& state, MemoryStatusSource& memory, BlockAllocator& allocator,
                       MessagePump& pump, ProgramLifetime& lifetime, frmmsg& popup)
    : state_(state),
      memory_(memory),
      allocator_(allocator),
      pump_(pump),
      lifetime_(lifetime),
      popup_(popup) {}

void RamClearer::clearram(std::int32_t& n) {
  if (clearing_) {
    return;
  }
  // Every step below is noexcept, so the flag is always cleared again.
  clearing_ = true;
  attempt([&] { n = capClearing(n, memory_.read().totalPhysBytes); });
  if (n >= 0) {
    claimBlocks(n);
  }
  attempt([&] { popup_.hidemsg(); });
  clearing_ = false;
}

bool RamClearer::turnEnds() noexcept {
  attempt([&] { pump_.pumpIfDue(); });
  return lifetime_.ending();
}

// Sets every byte, so every page becomes resident. The memory comes from and
// goes back through virtual calls: the compiler cannot prove the stores dead.
bool RamClearer::writeEveryByte(MemoryBlock& block) noexcept {
  unsigned char* const bytes = block.data();
  const std::size_t size = block.size();
  for (std::size_t at = 0; at < size; at += kPieceBytes) {
    std::memset(bytes + at, kFillByte, std::min(kPieceBytes, size - at));
    if (turnEnds()) {
      return false;
    }
  }
  return true;
}

void RamClearer::claimBlocks(std::int32_t n) noexcept {
  // Every block stays claimed until the last one is written; then all go back,
  // or, on a quit, whatever was claimed goes back when this returns.
  std::vector<std::unique_ptr<MemoryBlock>> blocks;
  attempt([&] { blocks.reserve(static_cast<std::size_t>(n) + 1); });
  const bool showProgress = state_.runmode != "stealth";
  // Full turns at the start and end handle what is pending; due turns between.
  attempt([&] { pump_.pumpOnce(); });
  for (std::int64_t i = 0; i <= n; ++i) {
    if (turnEnds()) {
      return;
    }
    // With n = 0 there is no share to work out: the last figure stays.
    if (n != 0) {
      state_.clearpercent = static_cast<std::int32_t>(
          roundHalfEven(static_cast<double>(i) / static_cast<double>(n) * 100.0));
    }
    bool ended = false;
    attempt([&] {
      auto block = allocator_.claim(kBlockBytes);
      if (block) {
        ended = !writeEveryByte(*block);
        blocks.push_back(std::move(block));
      }
    });
    if (ended) {
      return;
    }
    if (showProgress) {
      attempt([&] {
        popup_.viewmsg("Clearing Ram... " + std::to_string(n) + "MB\r\n" +
                       std::to_string(state_.clearpercent) + "% done.");
      });
    }
  }
  // Giving a block back costs about as much as claiming it (under Wine some
  // 0.8 ms each), so hundreds of them go back one at a time between due turns.
  while (!blocks.empty()) {
    blocks.pop_back();
    if (turnEnds()) {
      return;
    }
  }
  attempt([&] { pump_.pumpOnce(); });
}

}  // namespace vorlane
