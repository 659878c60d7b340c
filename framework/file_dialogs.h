#pragma once
// The system's open and save dialogs with the notes panel "IDD_ADDENDUM",
// which shows the notes of the selected data file and can rewrite them.

#include <windows.h>

#include <cstddef>

// Filters are string-table entries whose last character is the separator
// ("Lep,d (*.lep)|*.lep|").

// Open dialog of a calculator; true when the user confirmed (path then
// holds the full path).
bool OpenDataFileDialog(HWND owner, const char* title, UINT filterId, char* path, size_t capacity);

// Save dialog of a calculator or of the main window.
bool SaveDataFileDialog(HWND owner, const char* title, UINT filterId, char* path, size_t capacity);

// The main window's "&Apri...": the nine types of file; returns the index
// (1..9) of the filter selected when the user confirmed, 0 when cancelled.
int ChooseFileToOpen(HWND owner, char* path, size_t capacity);

// The initial folder of the open dialogs (the program folder).
void SetFileDialogFolder(const char* folder);
