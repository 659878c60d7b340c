#pragma once
// The main window "Fonexa_Class": its procedure and the handlers of its
// messages.

#include <windows.h>

extern const char kMainClassName[];

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The menu bitmaps and the shared tooltip window, which the first screen
// does not show: made once the shown window has been painted, before the
// first message (a menu, a dialog) can need them.
void FinishMainWindow(HWND window);

// Text of the status bar (child 15).
void SetStatusText(const char* text);
