#pragma once
// Pieces of a calculator's file handling that do not need the dialog
// skeleton (the protector selection's property sheet uses them too).

#include <windows.h>
#include <shellapi.h>

#include <cstddef>

// Creates the status bar (15) with the path, or "Nessun file selezionato".
HWND CreateCalculatorStatusBar(HWND dialog, const char* path);
void SetCalculatorStatus(HWND dialog, const char* text);

// A file dropped on the dialog: true (with its path) when exactly one file
// of the calculator's extension was dropped, in any letter case. Ends the
// drop in every case.
bool TakeDroppedFile(HDROP drop, const char* extension, char* path, size_t capacity);

// Tells the user that the data file could not be written.
void ReportSaveFailure(HWND owner, const char* path);
