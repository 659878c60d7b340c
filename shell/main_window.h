#pragma once
// The main window "Fonexa_Class": its procedure and the handlers of its
// messages.

#include <windows.h>

extern const char kMainClassName[];

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Text of the status bar (child 15).
void SetStatusText(const char* text);
