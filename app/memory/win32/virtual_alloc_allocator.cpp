#include "app/memory/win32/virtual_alloc_allocator.h"

#include <windows.h>

#include <new>

namespace vorlane {

namespace {

struct VirtualRelease {
  void operator()(void* base) const noexcept { ::VirtualFree(base, 0, MEM_RELEASE); }
};
using VirtualRegion = std::unique_ptr<void, VirtualRelease>;

class VirtualMemoryBlock final : public MemoryBlock {
 public:
  VirtualMemoryBlock(VirtualRegion region, std::size_t size)
      : region_(std::move(region)), size_(size) {}

  unsigned char* data() override { return static_cast<unsigned char*>(region_.get()); }
  std::size_t size() const override { return size_; }

 private:
  VirtualRegion region_;
  std::size_t size_;
};

}  // namespace

std::unique_ptr<MemoryBlock> VirtualAllocBlockAllocator::claim(std::size_t bytes) {
  if (bytes == 0) {
    return nullptr;
  }
  // A 32-bit process runs out of address space long before physical memory;
  // VirtualAlloc then fails and the caller skips the block.
  VirtualRegion region(::VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (!region) {
    return nullptr;
  }
  // Should the small block object itself fail, `region` still owns the memory
  // (it is moved only once the object exists) and releases it here.
  try {
    return std::make_unique<VirtualMemoryBlock>(std::move(region), bytes);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace vorlane
