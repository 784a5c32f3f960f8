#pragma once

#include <cstdint>

namespace vorlane {

// Physical memory of the machine, in bytes. 64-bit throughout: 32-bit signed
// figures stop meaning anything from 2 GiB on.
struct MemoryStatus {
  std::uint64_t totalPhysBytes = 0;
  std::uint64_t availPhysBytes = 0;
};

// Free physical memory in percent of the total, unrounded. A status with no
// total (a failed read) counts as all free, so that it never triggers work.
double freePercent(const MemoryStatus& status);

class MemoryStatusSource {
 public:
  virtual ~MemoryStatusSource() = default;
  virtual MemoryStatus read() = 0;
};

}  // namespace vorlane
