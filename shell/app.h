#pragma once
// Start-up and shut-down of fonexa.exe.

#include <windows.h>

// The whole program: returns the process exit code (0, or -1 when the
// window class or the main window cannot be created).
int RunFonexa(HINSTANCE instance, const char* commandLine, int show);

// Start-up up to the shown main window (class, libraries, clipboard formats,
// paths, window, splash, title, message filter, show, then what the first
// screen does not need). Returns the window, or nullptr after showing the
// failure. Used by RunFonexa and by the tests.
HWND StartMainWindow(HINSTANCE instance, int show, bool splash, int* exitCode,
                      bool splashOnTop = true);

// Releases what StartMainWindow initialised (after the loop).
void ShutdownProgram();
