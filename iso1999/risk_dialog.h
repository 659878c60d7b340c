#pragma once
// The risk calculator "RISK", opened by 1070. Ends with 1 after a valid
// "&Ok" (the main window then shows the risk views), 0 after "&Chiudi". It
// has no data file: it works on g_riskChoices and confirms them into
// g_riskState, which the views read.

#include <windows.h>

INT_PTR CALLBACK RiskDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
