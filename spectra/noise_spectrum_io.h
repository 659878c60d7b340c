#pragma once
// The noise spectrum calculator's ".spr" data file, its text report, its
// printout and the commands of its File menu. The protector selection reads
// the same file: type "SPR", "LAEQ" and "LCEQ" in section "FONEXA", the seven
// band levels in section "SPECTRUM".

#include <windows.h>
#include <shellapi.h>

#include "framework/report_text.h"

bool SaveNoiseSpectrumFile(HWND dialog, const char* path);

// Loads a ".spr" file into the open dialog; each band so set is checked and
// recomputes as typing does. A file of another type is refused silently.
bool LoadNoiseSpectrumFile(HWND dialog, const char* path);

void BuildNoiseSpectrumReport(HWND dialog, ReportText* report);

void PrintNoiseSpectrum(HWND dialog);

// The File-menu commands 4123, 40005, 4122, 1028 and 4121.
void NoiseSpectrumFileCommand(HWND dialog, int command);

// A ".spr" file dropped on the dialog: loaded, shown and recomputed.
void DropNoiseSpectrumFile(HWND dialog, HDROP drop);
