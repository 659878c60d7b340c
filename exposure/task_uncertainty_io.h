#pragma once
// The uncertainty calculator's ".lin" data file, its text report and its
// printout.

#include <windows.h>

#include "exposure/task_uncertainty.h"
#include "framework/report_text.h"

// Reads the inputs of a ".lin" file without any dialog (a summary of a
// folder does the same): false when the file is not of the type. *whole
// tells whether everything it holds was read (at most kMaxTasks tasks of
// kMaxTaskSamples samples). Then AssessUncertainty gives its results.
bool ReadUncertaintyFile(const char* path, UncertaintyTexts* texts, bool* whole);

void SaveUncertaintyKeys(HWND dialog, const char* path);
void LoadUncertaintyKeys(HWND dialog, const char* path);
void BuildUncertaintyReport(HWND dialog, ReportText* report);
void PrintUncertainty(HWND dialog);
