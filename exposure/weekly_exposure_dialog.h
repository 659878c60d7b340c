#pragma once
// The weekly exposure calculator "LEPW" (Lep,w from the Lep,d of the seven
// days of a week) and its edit dialog "EDIT_LEPW".

#include <windows.h>

// Dialog procedure of "LEPW"; the parameter is nothing or a ".lew" path.
INT_PTR CALLBACK WeeklyExposureProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Dialog procedure of "EDIT_LEPW"; the parameter is the row being edited.
INT_PTR CALLBACK WeeklyEditProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Reads the seven Lep,d cells into the remembered levels and shows the
// Lep,w computed from them.
void ComputeWeeklyExposureDialog(HWND dialog);

// The Lep,d cell of a day (at most 15 characters), as shown.
void GetWeekDayLevel(HWND dialog, int day, char level[16]);
void SetWeekDayLevel(HWND dialog, int day, const char* level);
