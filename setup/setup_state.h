#pragma once
// What the installer knows while it runs: the folders, the open log and the
// progress dialog that every installation step checks.

#include <windows.h>

#include "setup/install_plan.h"

struct SetupState {
    HWND backdrop;
    HWND progress;  // null once destroyed: every later step then stops
    bool busy;      // the installation is running: the wait cursor stays
    char setupFolder[kPathCapacity];  // the folder of setup.exe, the source of the copies
    char folder[kPathCapacity];       // the installation folder as chosen
};

extern SetupState g_setup;

// A message box with the error icon over the installer's windows.
void ErrorBox(const char* text, const char* caption);

// WM_SETCURSOR of the installer's windows: the wait cursor while busy
// (true), or nothing done (false: the default cursor).
bool SetBusyCursor();

// The Windows text of the folder dialog; returns the 9x result that chooses
// the uninstall command.
bool QueryWindowsVersion(char* text, size_t capacity);

// CSIDL folders; false (and an empty path) when the system has none.
bool ProgramsFolder(char* path, size_t capacity);
bool DesktopFolder(char* path, size_t capacity);
// The programs folder followed by "\Software OTREM".
bool StartMenuFolder(char* path, size_t capacity);
