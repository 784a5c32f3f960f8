#include "app/memory/win32/virtual_alloc_allocator.h"

#include <windows.h>

namespace vorlane {

namespace {

struct VirtualRelease {
  void operator()(void* base) const noexcept { ::VirtualFree(base, 0, MEM_RELEASE); }
};

class VirtualMemoryBlock final : public MemoryBlock {
 public:
  // A 32-bit process runs out of address space long before physical memory;
  // VirtualAlloc then fails and the block holds nothing.
  explicit VirtualMemoryBlock(std::size_t size)
      : region_(::VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)),
        size_(size) {}

  unsigned char* data() override { return static_cast<unsigned char*>(region_.get()); }
  std::size_t size() const override { return size_; }

 private:
  std::unique_ptr<void, VirtualRelease> region_;
  std::size_t size_;
};

}  // namespace

std::unique_ptr<MemoryBlock> VirtualAllocBlockAllocator::claim(std::size_t bytes) {
  if (bytes == 0) {
    return nullptr;
  }
  // The small object comes first, so that the memory has its owner the moment
  // it exists.
  auto block = std::make_unique<VirtualMemoryBlock>(bytes);
  if (block->data() == nullptr) {
    return nullptr;
  }
  return block;
}

}  // namespace vorlane
