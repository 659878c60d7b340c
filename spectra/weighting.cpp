#include "spectra/weighting.h"

#include <cmath>

double WeightedLevel(const double levels[kOctaveBands], const double corrections[kOctaveBands])
{
    double counted[kOctaveBands];
    size_t count = 0;
    double sum = 0.0;
    for (int k = 0; k < kOctaveBands; ++k) {
        double weighted = levels[k] + corrections[k];
        if (weighted * levels[k] > 0.0) {
            counted[count++] = weighted;
            sum += std::pow(10.0, 0.1 * weighted);
        }
    }
    if (!(sum > 0.0))
        return 0.0;  // no band counted, or all vanishingly low
    if (std::isinf(sum))
        return EnergyLevelSum(counted, count);  // bands beyond any real level
    return 10.0 * std::log10(sum);
}

static void Corrections(double out[kOctaveBands], bool aWeighting)
{
    for (int k = 0; k < kOctaveBands; ++k)
        out[k] = aWeighting ? OctaveBandTable[k].aCorrection : OctaveBandTable[k].cCorrection;
}

double AWeightedLevel(const double levels[kOctaveBands])
{
    double corrections[kOctaveBands];
    Corrections(corrections, true);
    return WeightedLevel(levels, corrections);
}

double CWeightedLevel(const double levels[kOctaveBands])
{
    double corrections[kOctaveBands];
    Corrections(corrections, false);
    return WeightedLevel(levels, corrections);
}

double EnergyLevelSum(const double* levels, size_t count)
{
    if (count == 0)
        return 0.0;
    double highest = levels[0];
    for (size_t i = 1; i < count; ++i)
        if (levels[i] > highest)
            highest = levels[i];
    if (!std::isfinite(highest))
        return 0.0;
    double relative = 0.0;
    for (size_t i = 0; i < count; ++i)
        relative += std::pow(10.0, 0.1 * (levels[i] - highest));
    return highest + 10.0 * std::log10(relative);
}
