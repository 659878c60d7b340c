#pragma once
// The damage evolution calculator "PEPPECUR", opened by 1120. Ends with 1
// after a valid "&Ok" (the main window then shows the evolution views), 0
// after "&Chiudi". It has no data file: its inputs live in
// g_evolutionState.

#include <windows.h>

INT_PTR CALLBACK EvolutionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
