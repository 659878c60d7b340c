#pragma once
// SNR and H, M, L of a hearing protector from its octave-band attenuation,
// by fixed reference noise spectra.

#include "spectra/band_table.h"

enum { kReferenceSpectra = 8 };

// An A-weighted octave-band noise of 100 dB(A) overall and its weight in the
// H, M and L formulas.
struct ReferenceSpectrum {
    double band[kOctaveBands];  // dB, 125 Hz .. 8 kHz
    double coefficient;
};

extern const ReferenceSpectrum ReferenceSpectrumTable[kReferenceSpectra];

// The A-weighted band levels of a pink noise of 91.5 dB per octave band.
extern const double PinkNoiseSpectrum[kOctaveBands];

// The A-weighted level under the protector: 10 log10 of the summed
// energies of spectrum - attenuation (never overflows: summed relative to the
// loudest band).
double ProtectedLevel(const double spectrum[kOctaveBands], const double attenuation[kOctaveBands]);

// SNR = 100.5 - L'A of the pink noise, truncated to an integer. False, and no
// SNR, when L'A is 99.0 or more.
bool ComputeSnr(const double attenuation[kOctaveBands], double* snr);

struct HmlValues {
    double h, m, l;  // whole dB
};

// H = 0.25 S1 - 0.48 D1 + 0.5, M = 0.25 S2 - 0.16 D2 + 0.5,
// L = 0.25 S2 + 0.23 D2 + 0.5, each truncated to an integer, where S1 and S2
// sum the noise reductions 100 - L'A of spectra 1-4 and 5-8, and D1 and D2
// weigh them with the spectra's coefficients.
HmlValues ComputeHml(const double attenuation[kOctaveBands]);
