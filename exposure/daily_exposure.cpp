#include "exposure/daily_exposure.h"

#include <cmath>

#include "framework/number_text.h"

static const TimeUnitInfo kUnits[3] = {
    {"secondi", "(s):", "(secondi)", 1.0},
    {"minuti", "(m):", "(minuti)", 60.0},
    {"ore", "(h):", "(ore)", 3600.0},
};

const TimeUnitInfo& TimeUnitOf(int unit)
{
    if (unit < 0 || unit > 2)
        unit = kTimeMinutes;
    return kUnits[unit];
}

DailyExposure ComputeDailyExposure(const double* levels, const double* durations, size_t count,
                                   int unit)
{
    const double factor = TimeUnitOf(unit).secondsPerUnit;
    DailyExposure result = {0.0, 0.0, 0.0};
    if (count == 0)
        return result;

    double highest = levels[0];
    for (size_t i = 1; i < count; ++i)
        if (levels[i] > highest)
            highest = levels[i];

    // energy = relativeEnergy * 10^(highest / 10)
    double relativeEnergy = 0.0;
    double total = 0.0;
    for (size_t i = 0; i < count; ++i) {
        double seconds = durations[i] * factor;
        total += seconds;
        relativeEnergy += seconds * std::pow(10.0, (levels[i] - highest) / 10.0);
    }
    result.totalSeconds = total;
    if (relativeEnergy > 0.0 && total > 0.0 && std::isfinite(relativeEnergy) && std::isfinite(total)) {
        result.laeq = highest + 10.0 * std::log10(relativeEnergy / total);
        result.lepd = result.laeq + 10.0 * std::log10(total / 28800.0);
    }
    return result;
}

DailyExposureTexts FormatDailyExposure(const DailyExposure& result, int unit)
{
    DailyExposureTexts texts;
    FormatNumber(texts.laeq, sizeof texts.laeq, "%4.1f", result.laeq);
    FormatNumber(texts.lepd, sizeof texts.lepd, "%4.1f", result.lepd);
    if (unit == kTimeHours)
        FormatNumber(texts.total, sizeof texts.total, "%4.2f", result.totalSeconds / 3600.0);
    else
        FormatNumber(texts.total, sizeof texts.total, "%6.0f",
                     result.totalSeconds / TimeUnitOf(unit).secondsPerUnit);
    return texts;
}
