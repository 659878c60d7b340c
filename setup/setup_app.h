#pragma once
// setup.exe: "/remove" anywhere on the command line uninstalls, anything
// else installs. Returns the exit code.

#include <windows.h>

int RunSetup(HINSTANCE instance, const char* commandLine);

// The uninstaller, also run by "setup.exe /remove"; its four arguments are
// ignored.
extern "C" __declspec(dllexport) void CALLBACK Uninstall(HWND window, HINSTANCE instance, LPSTR commandLine,
                                                         int show);
