#include "exposure/weekly_exposure_state.h"

#include <cstring>

WeeklyExposureMemory g_weeklyMemory = {{90.0, 90.0, 90.0, 90.0, 90.0, 0.0, 0.0}, "", "", ""};

void ResetWeeklyExposureMemory()
{
    memcpy(g_weeklyMemory.levels, kInitialWeekLevels, sizeof g_weeklyMemory.levels);
    g_weeklyMemory.notes[0] = '\0';
    g_weeklyMemory.levelEntry[0] = '\0';
}
