#pragma once
// The noise spectrum calculator's ".spr" data file keys, its text report and
// its printout. The protector selection reads the same file: type "SPR",
// "LAEQ" and "LCEQ" in section "FONEXA", the seven band levels in section
// "SPECTRUM".

#include <windows.h>

#include "framework/report_text.h"

void SaveNoiseSpectrumKeys(HWND dialog, const char* path);

// Loads a ".spr" file's keys into the open dialog; each band so set is
// checked and recomputes as typing does.
void LoadNoiseSpectrumKeys(HWND dialog, const char* path);

void BuildNoiseSpectrumReport(HWND dialog, ReportText* report);

void PrintNoiseSpectrum(HWND dialog);
