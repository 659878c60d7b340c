#pragma once
// "Riepi&logo cartella...": the dialog "RIEPILOGO", one row a data file of a
// folder with its results recomputed, sorted by a click on a column's
// header; copied, saved as ".csv" and printed whole.

#include <windows.h>

// Opens a data file in its calculator over owner, as "&Apri..." does, and
// returns once the calculator has closed.
typedef void (*OpenDataFile)(HWND owner, const char* path);

// Shows the dialog modally over owner. A double click on a row opens its
// file through open and reads the row again afterwards. The folder chosen
// and the subfolder choice are kept for the next opening in this run.
INT_PTR ShowFolderSummary(HWND owner, OpenDataFile open);
