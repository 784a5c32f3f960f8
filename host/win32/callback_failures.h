#pragma once

namespace vorlane::win32 {

// No exception may cross a window procedure or a timer procedure: the system
// code between them and the message loop cannot unwind. Handlers catch what
// escapes them and park it here; the message pump throws it again on the far
// side of DispatchMessage, where C++ frames resume. A second failure before the
// first is thrown again is dropped: the first one is the cause.
void parkCallbackFailure() noexcept;
void rethrowParkedFailure();

}  // namespace vorlane::win32
