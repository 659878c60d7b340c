#pragma once
// The weekly exposure calculator's ".lew" keys, report text and printout.

#include <windows.h>

#include "framework/report_text.h"

void SaveWeeklyExposureKeys(HWND dialog, const char* path);
// The stored Lep,w is shown as it stands; a file without it gets the Lep,w
// of its days. The days read become the remembered levels.
void LoadWeeklyExposureKeys(HWND dialog, const char* path);
void BuildWeeklyExposureReport(HWND dialog, ReportText* report);
void PrintWeeklyExposure(HWND dialog);
