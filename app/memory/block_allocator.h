#pragma once

#include <cstddef>
#include <memory>

namespace vorlane {

// Committed, writable memory of the process, given back when the object goes.
class MemoryBlock {
 public:
  virtual ~MemoryBlock() = default;
  virtual unsigned char* data() = 0;
  virtual std::size_t size() const = 0;
};

class BlockAllocator {
 public:
  virtual ~BlockAllocator() = default;
  // A block of exactly `bytes` bytes, or null when the memory cannot be had
  // (commit limit or address space exhausted, or `bytes` is 0); throws when
  // not even the block's small object can be made.
  virtual std::unique_ptr<MemoryBlock> claim(std::size_t bytes) = 0;
};

}  // namespace vorlane
