#pragma once
// Texts of windows as the user reads them, for the tests that watch the
// program's windows (in-process or from another process).

#include <windows.h>

#include <string>

namespace testsupport {

std::string WindowText(HWND window);

// The text of a message box: its static 0xFFFF or, where Wine leaves that
// empty, its longest static child.
std::string MessageBoxText(HWND box);

}  // namespace testsupport
