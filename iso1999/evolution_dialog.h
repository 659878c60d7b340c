#pragma once
// The damage evolution calculator "PEPPECUR", opened by 1120. Ends with 1
// after a valid "&Ok" (the main window then shows the evolution views), 0
// after "&Chiudi". It has no data file: it works on g_evolutionChoices
// and confirms them into g_evolutionState, which the views read.

#include <windows.h>

INT_PTR CALLBACK EvolutionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
