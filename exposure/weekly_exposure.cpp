#include "exposure/weekly_exposure.h"

#include <cmath>

#include "framework/number_text.h"

const char* const kWeekDayNames[kWeekDays] = {
    "Lunedi", "Martedi", "Mercoledi", "Giovedi", "Venerdi", "Sabato", "Domenica",
};

const double kInitialWeekLevels[kWeekDays] = {90.0, 90.0, 90.0, 90.0, 90.0, 0.0, 0.0};

double ComputeWeeklyExposure(const double levels[kWeekDays])
{
    double highest = levels[0];
    for (int i = 1; i < kWeekDays; ++i)
        if (levels[i] > highest)
            highest = levels[i];
    if (!std::isfinite(highest))
        return 0.0;

    // sum of 10^(0.1 L) = relative * 10^(0.1 highest)
    double relative = 0.0;
    for (int i = 0; i < kWeekDays; ++i)
        relative += std::pow(10.0, 0.1 * (levels[i] - highest));
    return highest + 10.0 * std::log10(relative * 0.2);
}

void FormatWeeklyExposure(double lepw, char* out, size_t capacity)
{
    FormatNumberFitting(out, capacity, "%4.1f", lepw);
}
