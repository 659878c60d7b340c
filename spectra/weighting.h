#pragma once
// A- and C-weighted equivalent levels of an octave-band noise spectrum.

#include <cstddef>

#include "spectra/band_table.h"

// 10 log10 of the summed energies 10^(0.1 x) of the weighted bands. A band
// counts only when (L + w) L > 0: a band at 0, and a band whose weighted
// level has not the sign of its level (10 dB at 125 Hz in A), add nothing.
// No counted energy gives 0.
double WeightedLevel(const double levels[kOctaveBands], const double corrections[kOctaveBands]);

// WeightedLevel with the A or the C corrections of the band table.
double AWeightedLevel(const double levels[kOctaveBands]);
double CWeightedLevel(const double levels[kOctaveBands]);

// 10 log10 of the summed energies 10^(0.1 x) of count levels, summed
// relative to the highest so that no level overflows or underflows the sum;
// no level at all gives 0.
double EnergyLevelSum(const double* levels, size_t count);
