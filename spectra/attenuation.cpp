#include "spectra/attenuation.h"

#include <cmath>

#include "spectra/weighting.h"

const ReferenceSpectrum ReferenceSpectrumTable[kReferenceSpectra] = {
    {{62.6, 70.8, 81.0, 90.4, 96.2, 94.7, 92.3}, -1.20},
    {{68.9, 78.3, 84.3, 92.8, 96.3, 94.0, 90.0}, -0.49},
    {{71.1, 80.8, 88.0, 95.0, 94.4, 94.1, 89.0}, 0.14},
    {{77.2, 84.5, 89.8, 95.5, 94.3, 92.5, 88.8}, 1.56},
    {{77.4, 86.5, 92.5, 96.4, 93.0, 90.4, 83.7}, -2.98},
    {{82.0, 89.4, 93.5, 95.6, 93.0, 90.1, 83.0}, -1.01},
    {{84.2, 90.1, 93.6, 96.2, 91.3, 87.9, 81.9}, 0.85},
    {{88.0, 93.4, 93.8, 94.2, 91.4, 87.9, 79.9}, 3.14},
};

const double PinkNoiseSpectrum[kOctaveBands] = {75.4, 82.9, 88.3, 91.5, 92.7, 92.5, 90.4};

double ProtectedLevel(const double spectrum[kOctaveBands], const double attenuation[kOctaveBands])
{
    double reaching[kOctaveBands];
    for (int f = 0; f < kOctaveBands; ++f)
        reaching[f] = spectrum[f] - attenuation[f];
    return EnergyLevelSum(reaching, kOctaveBands);
}

// Truncation toward zero that never gives -0.
static double WholePart(double x)
{
    return std::trunc(x) + 0.0;
}

bool ComputeSnr(const double attenuation[kOctaveBands], double* snr)
{
    double level = ProtectedLevel(PinkNoiseSpectrum, attenuation);
    if (!(level < 99.0))
        return false;
    *snr = WholePart(100.5 - level);
    return true;
}

HmlValues ComputeHml(const double attenuation[kOctaveBands])
{
    double pnr[kReferenceSpectra];
    for (int k = 0; k < kReferenceSpectra; ++k)
        pnr[k] = 100.0 - ProtectedLevel(ReferenceSpectrumTable[k].band, attenuation);

    double s1 = pnr[0] + pnr[1] + pnr[2] + pnr[3];
    double s2 = pnr[4] + pnr[5] + pnr[6] + pnr[7];
    double d1 = 0.0, d2 = 0.0;
    for (int k = 0; k < 4; ++k) {
        d1 += ReferenceSpectrumTable[k].coefficient * pnr[k];
        d2 += ReferenceSpectrumTable[k + 4].coefficient * pnr[k + 4];
    }
    HmlValues v;
    v.h = WholePart(0.25 * s1 - 0.48 * d1 + 0.5);
    v.m = WholePart(0.25 * s2 - 0.16 * d2 + 0.5);
    v.l = WholePart(0.25 * s2 + 0.23 * d2 + 0.5);
    return v;
}
