#pragma once
// What every calculator dialog with a data file shares: its status bar (15)
// showing the current file, the commands "&Apri...", "&Salva" and
// "Sa&lva con nome...", and a file dropped on it.

#include <windows.h>
#include <shellapi.h>

#include <cstddef>

#include "framework/clipboard.h"

struct CalculatorFiles {
    UINT filterId;           // string-table filter, "Lep,d (*.lep)|*.lep|"
    const char* extension;   // ".lep"
    char* currentFile;       // MAX_PATH characters, the calculator's own
    bool (*save)(HWND dialog, const char* path);
    bool (*load)(HWND dialog, const char* path);
    ReportBuilder report;    // "C&opia"
    void (*print)(HWND dialog);  // "Stam&pa"
};

// Creates the status bar with the path, or "Nessun file selezionato".
HWND CreateCalculatorStatusBar(HWND dialog, const char* path);
void SetCalculatorStatus(HWND dialog, const char* text);

// Handles the File menu: 4123, 40005, 4122, "C&opia" 1028 (the report on
// the clipboard) and "Stam&pa" 4121 (with the wait cursor); false for any
// other command.
bool CalculatorFileCommand(HWND dialog, int command, const CalculatorFiles& files);

// A file dropped on the dialog: true (with its path) when exactly one file
// of the calculator's extension was dropped, in any letter case. Ends the
// drop in every case.
bool TakeDroppedFile(HDROP drop, const char* extension, char* path, size_t capacity);

// Loads path with the calculator's loader and shows it in the status bar.
bool LoadCalculatorFile(HWND dialog, const char* path, const CalculatorFiles& files);
