#pragma once
// The installation, step by step, from the folder dialog to the uninstall
// entry. Any failing step shows its message and ends it.

#include <windows.h>

// True when every step succeeded.
bool RunInstallation(HWND backdrop);
