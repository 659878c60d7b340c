#pragma once
// Personal daily noise exposure Lep,d from a list of activities, each with
// its A-weighted equivalent level (dBA) and its duration.

#include <cstddef>

enum TimeUnit { kTimeSeconds = 0, kTimeMinutes = 1, kTimeHours = 2 };

struct TimeUnitInfo {
    const char* boxItem;     // "minuti"
    const char* labelSuffix; // "(m):"
    const char* reportWord;  // "(minuti)"
    double secondsPerUnit;
};

// The unit's texts and factor; an index out of 0..2 gives minutes.
const TimeUnitInfo& TimeUnitOf(int unit);

struct DailyExposure {
    double laeq;          // equivalent level over the total duration, dBA
    double totalSeconds;  // sum of the durations
    double lepd;          // exposure normalised to 8 hours, dBA
};

// Sums the activities. Durations are in the given unit. LAeq and Lep,d are 0
// when there is no positive energy over a positive total duration (an empty
// list, or negative durations that cancel the others), so that no logarithm
// of zero or of a negative number is ever taken. The energy is summed
// relative to the highest level, so that no level gives an infinite sum.
DailyExposure ComputeDailyExposure(const double* levels, const double* durations, size_t count,
                                   int unit);

// The three outputs as the dialog shows them: LAeq and Lep,d "%4.1f"; the
// total in the unit, "%6.0f" for seconds and minutes, "%4.2f" for hours.
struct DailyExposureTexts {
    char laeq[32];
    char total[32];
    char lepd[32];
};
DailyExposureTexts FormatDailyExposure(const DailyExposure& result, int unit);
