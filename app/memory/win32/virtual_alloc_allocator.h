#pragma once

#include "app/memory/block_allocator.h"

namespace vorlane {

// Blocks committed straight from the system (VirtualAlloc, read-write) and
// released with VirtualFree: the pages are the process's own private memory,
// with no heap in between keeping them after release.
class VirtualAllocBlockAllocator final : public BlockAllocator {
 public:
  std::unique_ptr<MemoryBlock> claim(std::size_t bytes) override;
};

}  // namespace vorlane
