#pragma once
// The threshold-shift calculator "NIPTS", opened by 1050 (NIPTS), 1055
// (HTLA) or 1060 (HTLAN) with the command as its parameter. Ends with 1
// after a valid "&Ok" (the main window then shows the chart views), 0 after
// "&Chiudi". It has no data file: it works on g_shiftChoices and confirms
// them into g_shiftState, which the views read.

#include <windows.h>

INT_PTR CALLBACK ShiftDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
