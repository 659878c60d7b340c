#pragma once
// The predictions calculator "CONFRONTO", opened by 1100. Ends with 1 after
// a valid "&Ok" (the main window then shows the prediction views), 0 after
// "&Chiudi". It has no data file: it works on g_predictionChoices and
// confirms them into g_predictionState, which the views read.

#include <windows.h>

INT_PTR CALLBACK PredictionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
