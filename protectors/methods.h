#pragma once
// The five ways of estimating the A-weighted level that reaches the worker's
// ear under a hearing protector (the effective level LE).

#include "spectra/band_table.h"

// The method number, stored in the selection record and its data file.
enum ProtectionMethod {
    kMethodNone = -1,
    kMethodCorrectedSnr = 1,
    kMethodSnr = 2,
    kMethodHmlCheck = 3,
    kMethodHml = 4,
    kMethodOctaveBand = 5
};

struct ProtectionMethodInfo {
    int pageTemplate;         // wizard page template id
    const char* pageTitle;    // "Metodo SNR"
    const char* printedName;  // "SNR."
};

// The wizard page and the printed name of a method; null for any other number.
const ProtectionMethodInfo* ProtectionMethodInfoOf(int method);

// Rounds to the nearest whole dB, halves upward (84.5 gives 85, 84.49 gives
// 84, -84.5 gives -84).
double RoundLevel(double x);

// SNR method: LE = RoundLevel(LCeq - SNR).
double SnrMethod(double lceq, double snr);

// Corrected SNR method: LE = RoundLevel(LAeq - (SNR - 7)).
double CorrectedSnrMethod(double laeq, double snr);

// Octave-band method: LE = RoundLevel(10 log10 of the summed energies of
// N + W - A over the seven bands), W the A-weighting corrections. The sum is
// taken relative to the loudest band, so any band levels give a finite LE.
double OctaveBandMethod(const double noise[kOctaveBands], const double attenuation[kOctaveBands]);

// The predicted noise reduction of the HML method (ISO 4869-2), with
// d = LCeq - LAeq: PNR = M - (H - M)/4 (d - 2) for d <= 2,
// PNR = M - (M - L)/8 (d - 2) for d > 2.
double HmlPnr(double laeq, double lceq, double h, double m, double l);

// HML method: LE = LAeq - RoundLevel(PNR).
double HmlMethod(double laeq, double lceq, double h, double m, double l);

// Outcome of the HML check: LE, and whether the protection could be assessed.
struct HmlCheckResult {
    double le;
    bool assessed;  // false: more information on the noise is needed
};

// The limit of the HML check, whatever the action level chosen.
const double kHmlCheckLimit = 85.0;

// The value the HML check takes for the class: L for class L; for class HM,
// M when RoundLevel(LAeq - M) is 85 or less, else H.
double HmlCheckAttenuation(double laeq, bool classL, double h, double m, double l);

// HML check for the noise class the user chose (classL: LCeq - LAeq > 5 dB).
// Class L: LE = RoundLevel(LAeq - L). Class HM: LE = RoundLevel(LAeq - M),
// assessed if it is 85 or less; else LE = RoundLevel(LAeq - H), assessed only
// if it is above 85 (otherwise LE keeps that value, not assessed).
HmlCheckResult HmlCheckMethod(double laeq, bool classL, double h, double m, double l);
