#pragma once
// The installer's full-screen backdrop, a black-to-blue gradient: it runs
// the installation on command IDM_SETUP_INSTALL and reports the result.

#include <windows.h>

bool RegisterBackdropClass(HINSTANCE instance);

// Creates the visible backdrop covering the whole screen.
HWND CreateBackdrop(HINSTANCE instance);

// The message loop ends with 0 after a successful installation, 1 otherwise.
LRESULT CALLBACK BackdropProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
