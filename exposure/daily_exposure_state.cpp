#include "exposure/daily_exposure_state.h"

DailyExposureMemory g_dailyMemory = {0, {}, {}, 1, "", "90", "1", ""};

void ResetDailyExposureMemory()
{
    g_dailyMemory.rowCount = 0;
    g_dailyMemory.levels.clear();
    g_dailyMemory.durations.clear();
}
