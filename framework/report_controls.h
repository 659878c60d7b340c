#pragma once
// Report lines made of what a calculator dialog shows.

#include <windows.h>

#include "framework/report_text.h"

// label, two separators, the control's text with its first "." as ","
// (texts read up to 255 characters).
void ReportValueLine(ReportText* report, const char* label, HWND dialog, int control);

// "Note:" and, on the next line, the first length characters of the notes
// box (255 in most calculators).
void ReportNotes(ReportText* report, HWND dialog, size_t length = 255);
