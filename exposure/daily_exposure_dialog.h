#pragma once
// The daily exposure calculator "LEPD" (Lep,d from a list of levels and
// durations) and its entry dialog "ADD_LEPD".

#include <windows.h>

#include "framework/help.h"

// Dialog procedure of "LEPD"; the parameter is nothing or a ".lep" path.
INT_PTR CALLBACK DailyExposureProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

enum EntryMode { kEntryAdd = 1, kEntryModify = 2, kEntryDelete = 3 };

// What "ADD_LEPD" edits. The group level calculator uses it for its samples,
// with the exposure field hidden.
struct EntryRequest {
    int mode;                     // EntryMode
    char* level;                  // 16 characters, shown at opening, read back
    char* duration;               // 16 characters, or nullptr: no exposure field
    const HelpTopic* help;        // nullptr: the daily calculator's topics
};

// Dialog procedure of "ADD_LEPD"; the parameter is an EntryRequest.
INT_PTR CALLBACK DailyEntryProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Computes from the rows of the open dialog and shows LAeq, the total
// duration and Lep,d; a row whose level or duration is 0 or not a number
// stops it with "Errore nei valori!" and the outputs keep their texts.
void ComputeDailyExposureDialog(HWND dialog);

// Rows of the list 4040 as texts (cells of at most 15 characters).
int DailyRowCount(HWND dialog);
void GetDailyRow(HWND dialog, int row, char level[16], char duration[16]);
void SetDailyRow(HWND dialog, int row, const char* level, const char* duration, bool insert);
