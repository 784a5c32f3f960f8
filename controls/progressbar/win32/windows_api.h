#pragma once

// <windows.h> for the bar's Windows files. It defines MessageBox as
// MessageBoxA, which would silently rename the host's MessageBox interface in
// every file that sees both; the bar calls the A functions by name anyway.
#include <windows.h>
#undef MessageBox
