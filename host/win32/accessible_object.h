#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/accessible.h"

namespace vorlane::win32 {

// Active Accessibility for the toolkit's self-drawn controls. A window with an
// AccessibleProvider answers WM_GETOBJECT for its client area with a small
// IAccessible of its own; oleacc.dll is loaded at run time, so the programs
// import nothing Windows XP lacks. The IAccessible holds only the window's
// handle and finds the provider through the window on every call: a screen
// reader that keeps it past the window's end gets "disconnected", never a
// dangling provider.

// What screen readers were last told, so only real changes are announced.
struct AccessibleSnapshot {
  std::string name;
  std::uint32_t states = 0;
  std::string value;
};

AccessibleSnapshot snapshotOf(const AccessibleProvider& provider);
// Announces (NotifyWinEvent) the name, state and value changes from `before`
// to `now` for the client area of `window`.
void announceChanges(HWND window, const AccessibleSnapshot& before, const AccessibleSnapshot& now);

// Handles the two messages accessibility adds to a window with a provider:
// WM_GETOBJECT for the client area, and the posted message that performs the
// default action. True when `message` was one of them; `result` is its answer.
bool handleAccessibilityMessage(HWND window, AccessibleProvider& provider, UINT message,
                                WPARAM wParam, LPARAM lParam, LRESULT& result);

// IAccessible objects alive now (for tests: each must go with its last Release).
std::size_t liveAccessibleObjects();

}  // namespace vorlane::win32
