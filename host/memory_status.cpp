#include "host/memory_status.h"

namespace vorlane {

double freePercent(const MemoryStatus& status) {
  return status.totalPhysBytes == 0 ? 100.0
                                    : static_cast<double>(status.availPhysBytes) /
                                          static_cast<double>(status.totalPhysBytes) * 100.0;
}

}  // namespace vorlane
