#include "protectors/methods.h"

#include <cmath>

#include "spectra/weighting.h"

static const ProtectionMethodInfo kMethods[5] = {
    {110, "Metodo SNR corretto", "SNR corretto."},
    {109, "Metodo SNR", "SNR."},
    {104, "Controllo HML", "Controllo HML."},
    {105, "Metodo HML", "HML."},
    {103, "Metodo banda d'ottava", "Banda d'ottava."},
};

const ProtectionMethodInfo* ProtectionMethodInfoOf(int method)
{
    if (method < kMethodCorrectedSnr || method > kMethodOctaveBand)
        return nullptr;
    return &kMethods[method - 1];
}

double RoundLevel(double x)
{
    // floor, not truncation, so that negative levels round to the nearest
    // as well; x - n avoids the rounding error of x + 0.5.
    double n = std::floor(x);
    return x - n >= 0.5 ? n + 1.0 : n;
}

double SnrMethod(double lceq, double snr)
{
    return RoundLevel(lceq - snr);
}

double CorrectedSnrMethod(double laeq, double snr)
{
    return RoundLevel(laeq - (snr - 7.0));
}

double OctaveBandMethod(const double noise[kOctaveBands], const double attenuation[kOctaveBands])
{
    double reaching[kOctaveBands];
    for (int j = 0; j < kOctaveBands; ++j)
        reaching[j] = noise[j] + OctaveBandTable[j].aCorrection - attenuation[j];
    return RoundLevel(EnergyLevelSum(reaching, kOctaveBands));
}

double HmlPnr(double laeq, double lceq, double h, double m, double l)
{
    double d = lceq - laeq;
    if (d <= 2.0)
        return m - (h - m) * 0.25 * (d - 2.0);
    return m - (m - l) * 0.125 * (d - 2.0);
}

double HmlMethod(double laeq, double lceq, double h, double m, double l)
{
    return laeq - RoundLevel(HmlPnr(laeq, lceq, h, m, l));
}

double HmlCheckAttenuation(double laeq, bool classL, double h, double m, double l)
{
    if (classL)
        return l;
    return RoundLevel(laeq - m) <= kHmlCheckLimit ? m : h;
}

HmlCheckResult HmlCheckMethod(double laeq, bool classL, double h, double m, double l)
{
    HmlCheckResult result;
    result.le = RoundLevel(laeq - HmlCheckAttenuation(laeq, classL, h, m, l));
    // Taken with H, the level must stay above the limit to be assessed.
    result.assessed = classL || RoundLevel(laeq - m) <= kHmlCheckLimit || result.le > kHmlCheckLimit;
    return result;
}
