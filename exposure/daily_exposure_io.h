#pragma once
// The daily exposure calculator's ".lep" data file, its text report, its
// printout and the commands of its File menu.

#include <windows.h>
#include <shellapi.h>

#include "framework/report_text.h"

bool SaveDailyExposureFile(HWND dialog, const char* path);

// Loads a ".lep" file into the open dialog (outputs as stored, without
// computing). A file of another type is refused silently.
bool LoadDailyExposureFile(HWND dialog, const char* path);

void BuildDailyExposureReport(HWND dialog, ReportText* report);

void PrintDailyExposure(HWND dialog);

// The File-menu commands 4123, 40005, 4122, 1028 and 4121.
void DailyExposureFileCommand(HWND dialog, int command);

// A ".lep" file dropped on the dialog: loaded, shown and computed.
void DropDailyExposureFile(HWND dialog, HDROP drop);
