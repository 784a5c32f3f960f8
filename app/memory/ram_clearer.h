#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/memory/block_allocator.h"
#include "app/program_state.h"
#include "host/memory_status.h"
#include "host/message_pump.h"
#include "popup/frmmsg.h"

namespace vorlane {

// What the watch timers and the test form call to clear memory.
class RamClearing {
 public:
  virtual ~RamClearing() = default;
  // Claims, writes and releases n + 1 blocks of 2 MiB; may lower `n`.
  virtual void clearram(std::int32_t& n) = 0;
  // True while a clearing runs (its message-loop turns can run other handlers).
  virtual bool clearing() const = 0;
};

// The clearing routine. It claims n + 1 blocks of 2 MiB one after another and
// writes every byte, so that the system has to give the process real pages
// (taken from elsewhere); all go back when the call returns. The loop is
// offered a due turn between pieces of a block, so timers, clicks and repaints
// wait about 2 ms at most whatever the page-fault speed. The progress goes to
// the pop-up unless in stealth mode; on WM_QUIT no further block is claimed.
class RamClearer final : public RamClearing {
 public:
  static constexpr std::size_t kBlockBytes = 2 * 1024 * 1024;
  // At most one block per 4 MiB of physical memory: about half of it.
  static constexpr double kBytesPerAllowedBlock = 4194304.0;
  // Well under a millisecond to write even where every page faults slowly
  // (about 0.7 ms under Wine); a due check per piece costs one clock reading.
  static constexpr std::size_t kPieceBytes = 256 * 1024;

  RamClearer(ProgramState& state, MemoryStatusSource& memory, BlockAllocator& allocator,
             MessagePump& pump, ProgramLifetime& lifetime, frmmsg& popup);
  RamClearer(const RamClearer&) = delete;
  RamClearer& operator=(const RamClearer&) = delete;

  // Never throws: a failing step (status read, block, text, pop-up) is skipped.
  // A call made while one runs (from a handler its loop serves) does nothing.
  void clearram(std::int32_t& n) override;
  bool clearing() const override { return clearing_; }

 private:
  void claimBlocks(std::int32_t n) noexcept;
  // Offers the loop a due turn; true when the program is ending.
  bool turnEnds() noexcept;
  // Writes every byte of `block`, piece by piece; false if the program ends.
  bool writeEveryByte(MemoryBlock& block) noexcept;

  ProgramState& state_;
  MemoryStatusSource& memory_;
  BlockAllocator& allocator_;
  MessagePump& pump_;
  ProgramLifetime& lifetime_;
  frmmsg& popup_;
  bool clearing_ = false;
};

// `n`, lowered to the physical memory in units of 4 MiB (halves to even).
std::int32_t capClearing(std::int32_t n, std::uint64_t totalPhysBytes);

}  // namespace vorlane
