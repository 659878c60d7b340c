#pragma once
// The group equivalent level calculator "LEQGROUP" and its sample dialog (the
// daily calculator's "ADD_LEPD" with the exposure field hidden).

#include <windows.h>

// Dialog procedure of "LEQGROUP"; the parameter is nothing or a ".leg" path.
INT_PTR CALLBACK GroupLevelProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Computes from N, the samples, the confidence and the interval and shows
// the results (see the checks in the code).
void ComputeGroupLevelDialog(HWND dialog);

// The list positions in use: the selection, or the remembered one when
// nothing (or text typed into the box) is selected.
int GroupConfidenceIndex(HWND dialog);
int GroupIntervalIndex(HWND dialog);

// The samples of the list 4040 as texts (at most 15 characters).
int GroupSampleCount(HWND dialog);
void GetGroupSample(HWND dialog, int index, char text[16]);
void AddGroupSample(HWND dialog, const char* text);

// Sets the total-workers field (which recomputes).
void ShowTotalWorkers(HWND dialog, long workers);
