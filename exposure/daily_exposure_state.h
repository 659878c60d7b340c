#pragma once
// What the daily exposure calculator remembers between two openings in one
// run of the program.

#include <vector>

struct DailyExposureMemory {
    int rowCount;
    std::vector<double> levels;     // dBA
    std::vector<double> durations;  // in the time unit, not converted
    int timeUnit;                   // 0 seconds, 1 minutes, 2 hours
    char notes[513];                // the notes box holds 512 characters
    char levelEntry[16];            // pre-fill of the entry dialog
    char durationEntry[16];
    char currentFile[260];          // emptied at every opening
};

extern DailyExposureMemory g_dailyMemory;

// Empties the rows (with the main window's creation and destruction).
void ResetDailyExposureMemory();
