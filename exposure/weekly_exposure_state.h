#pragma once
// What the weekly exposure calculator remembers between two openings in one
// run of the program.

#include "exposure/weekly_exposure.h"

struct WeeklyExposureMemory {
    double levels[kWeekDays];  // Lep,d of each day, dBA
    char notes[513];           // the notes box holds 512 characters
    char levelEntry[16];       // the Lep,d text carried into "EDIT_LEPW" and back
    char currentFile[260];     // emptied at every opening
};

extern WeeklyExposureMemory g_weeklyMemory;

// Back to the week the program starts with (five days at 90.0, the weekend
// at 0.0, no notes).
void ResetWeeklyExposureMemory();
