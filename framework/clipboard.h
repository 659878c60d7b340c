#pragma once
// The calculators' text reports on the clipboard, in the program's own
// "Csv" format.

#include <windows.h>

#include "framework/report_text.h"

// The user's list separator (the locale's setting, up to 8 characters).
void ListSeparator(char out[kListSeparatorMax + 1]);

// Places data on the clipboard in a format; the clipboard then owns it.
// False (the data is still the caller's) when the clipboard cannot be opened
// or the data was not taken.
bool PutOnClipboard(HWND owner, UINT format, HANDLE data);

// "Impossibile copiare negli appunti!"
void ReportCopyFailure(HWND owner);

// Places a movable block on the clipboard as "Csv"; the clipboard then owns
// it. False (the block is still the caller's) when the clipboard cannot be
// opened.
bool PutCsvOnClipboard(HWND owner, HGLOBAL block);

typedef void (*ReportBuilder)(HWND dialog, ReportText* report);

// Builds a report into a zero-filled block of 4096 bytes with the user's
// separator and puts it on the clipboard. Nothing is said when the clipboard
// cannot be opened.
bool CopyReport(HWND dialog, ReportBuilder build);
