#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/accessible.h"

namespace vorlane::win32 {

// Active Accessibility for the toolkit's self-drawn controls: a window with an
// AccessibleProvider answers WM_GETOBJECT for its client area with a small
// IAccessible (oleacc.dll loaded at run time). It holds only the window's
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
// NotifyWinEvent for each change of name, state and value.
void announceChanges(HWND window, const AccessibleSnapshot& before, const AccessibleSnapshot& now);

// WM_GETOBJECT for the client area, and the posted message that performs the
// default action: true when `message` was one of them, `result` its answer.
bool handleAccessibilityMessage(HWND window, AccessibleProvider& provider, UINT message,
                                WPARAM wParam, LPARAM lParam, LRESULT& result);

// For tests: each IAccessible must go with its last Release.
std::size_t liveAccessibleObjects();

}  // namespace vorlane::win32
