#pragma once
// The group level calculator's ".leg" keys, report text and printout.

#include <windows.h>

#include "framework/report_text.h"

void SaveGroupLevelKeys(HWND dialog, const char* path);
void LoadGroupLevelKeys(HWND dialog, const char* path);
void BuildGroupLevelReport(HWND dialog, ReportText* report);
void PrintGroupLevel(HWND dialog);
