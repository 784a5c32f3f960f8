#include "host/memory_status.h"

namespace vorlane {

double freePercent(const MemoryStatus& status) {
  if (status.totalPhysBytes == 0) {
    return 100.0;
  }
  return static_cast<double>(status.availPhysBytes) / static_cast<double>(status.totalPhysBytes) *
         100.0;
}

}  // namespace vorlane
