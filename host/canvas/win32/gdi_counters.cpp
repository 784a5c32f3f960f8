#include "host/canvas/win32/gdi_counters.h"

namespace vorlane::win32 {

namespace {
// GDI objects belong to the user-interface thread that makes them.
int live = 0;
}  // namespace

int liveGdiObjects() { return live; }

namespace detail {
void countGdiObject(int change) { live += change; }
}  // namespace detail

}  // namespace vorlane::win32
