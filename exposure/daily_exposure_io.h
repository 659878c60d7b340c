#pragma once
// The daily exposure calculator's ".lep" data file keys, its text report and
// its printout.

#include <windows.h>

#include "framework/report_text.h"

void SaveDailyExposureKeys(HWND dialog, const char* path);

// Loads a ".lep" file's keys into the open dialog (outputs as stored,
// without computing).
void LoadDailyExposureKeys(HWND dialog, const char* path);

void BuildDailyExposureReport(HWND dialog, ReportText* report);

void PrintDailyExposure(HWND dialog);

