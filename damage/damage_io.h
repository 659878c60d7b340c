#pragma once
// The audiometric damage calculator's ".ilg" data file keys, its text
// report and its printout with the audiogram.

#include <windows.h>

#include "framework/report_text.h"

void SaveDamageKeys(HWND dialog, const char* path);

// Loads a ".ilg" file's keys into the open dialog and recomputes: a missing
// SIMM loads as symmetric, a missing TABELLA as the new table, a missing
// INDUS as "Industria".
void LoadDamageKeys(HWND dialog, const char* path);

void BuildDamageReport(HWND dialog, ReportText* report);

void PrintDamage(HWND dialog);
