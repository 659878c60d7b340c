#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "spectra/attenuation.h"
#include "spectra/band_table.h"
#include "spectra/weighting.h"

namespace {

std::string Shown(double value)
{
    char text[32];
    snprintf(text, sizeof text, "%5.1f", value);
    return text;
}

TEST(SpectraBands, Table)
{
    EXPECT_STREQ(OctaveBandTable[0].key, "125");
    EXPECT_STREQ(OctaveBandTable[6].key, "8000");
    EXPECT_STREQ(OctaveBandTable[3].label, "1 kHz");
    EXPECT_STREQ(OctaveBandTable[1].label, "250 Hz");
    EXPECT_EQ(OctaveBandTable[5].hz, 4000);
    EXPECT_EQ(OctaveBandTable[0].aCorrection, -16.1);
    EXPECT_EQ(OctaveBandTable[4].aCorrection, 1.2);
    EXPECT_EQ(OctaveBandTable[5].cCorrection, -0.8);
    EXPECT_EQ(OctaveBandTable[6].cCorrection, -3.0);
    // The pink noise is 91.5 dB per band with the A corrections
    for (int k = 0; k < kOctaveBands; ++k)
        EXPECT_NEAR(PinkNoiseSpectrum[k], 91.5 + OctaveBandTable[k].aCorrection, 1e-9);
}

TEST(SpectraWeighting, FlatSpectrum)
{
    const double flat[7] = {80, 80, 80, 80, 80, 80, 80};
    // 80 + 10 log10(sum 10^(0.1 w)): 86.985 (A), 87.954 (C)
    EXPECT_EQ(Shown(AWeightedLevel(flat)), " 87.0");
    EXPECT_EQ(Shown(CWeightedLevel(flat)), " 88.0");
    EXPECT_NEAR(AWeightedLevel(flat), 86.98505, 1e-5);
}

TEST(SpectraWeighting, SignRule)
{
    const double zero[7] = {0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Shown(AWeightedLevel(zero)), "  0.0");
    EXPECT_EQ(Shown(CWeightedLevel(zero)), "  0.0");
    const double oneK[7] = {0, 0, 0, 90, 0, 0, 0};
    EXPECT_EQ(Shown(AWeightedLevel(oneK)), " 90.0");
    EXPECT_EQ(Shown(CWeightedLevel(oneK)), " 90.0");
    // 10 dB at 125 Hz: A-weighted -6.1, not counted; C-weighted 9.8
    const double low[7] = {10, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(AWeightedLevel(low), 0.0);
    EXPECT_NEAR(CWeightedLevel(low), 9.8, 1e-9);
    // A negative band whose weighted level stays negative counts:
    // -10 dB at 1 kHz gives 10 log10(10^-1) = -10
    const double negative[7] = {0, 0, 0, -10, 0, 0, 0};
    EXPECT_NEAR(AWeightedLevel(negative), -10.0, 1e-9);
    // A negative band made positive by the weighting does not: -1 at 2 kHz
    const double flipped[7] = {0, 0, 0, 0, -1, 0, 0};
    EXPECT_EQ(AWeightedLevel(flipped), 0.0);
    // 140 dB everywhere stays finite
    const double loud[7] = {140, 140, 140, 140, 140, 140, 140};
    EXPECT_NEAR(AWeightedLevel(loud), 146.98505, 1e-5);
    const double deep[7] = {-1e300, -1e300, -1e300, -1e300, -1e300, -1e300, -1e300};
    EXPECT_EQ(AWeightedLevel(deep), 0.0);
}

TEST(SpectraWeighting, EnergySum)
{
    const double two[2] = {90, 90};
    EXPECT_NEAR(EnergyLevelSum(two, 2), 90 + 10 * std::log10(2.0), 1e-12);
    const double far[2] = {5000, -5000};
    EXPECT_NEAR(EnergyLevelSum(far, 2), 5000, 1e-9);
    EXPECT_EQ(EnergyLevelSum(far, 0), 0.0);
}

TEST(SpectraAttenuation, RisingAttenuation)
{
    const double bands[7] = {15, 20, 25, 30, 33, 35, 38};
    double snr = 0;
    ASSERT_TRUE(ComputeSnr(bands, &snr));
    EXPECT_EQ(snr, 31.0);
    HmlValues v = ComputeHml(bands);
    EXPECT_EQ(v.h, 34.0);
    EXPECT_EQ(v.m, 28.0);
    EXPECT_EQ(v.l, 22.0);
}

TEST(SpectraAttenuation, FlatTenDecibels)
{
    const double bands[7] = {10, 10, 10, 10, 10, 10, 10};
    double snr = 0;
    ASSERT_TRUE(ComputeSnr(bands, &snr));
    EXPECT_EQ(snr, 12.0);  // 100.5 - 88.485
    HmlValues v = ComputeHml(bands);
    EXPECT_EQ(v.h, 10.0);
    EXPECT_EQ(v.m, 10.0);
    EXPECT_EQ(v.l, 10.0);
}

TEST(SpectraAttenuation, NoAttenuation)
{
    const double bands[7] = {0, 0, 0, 0, 0, 0, 0};
    // L'A of the pink noise is 98.485
    EXPECT_NEAR(ProtectedLevel(PinkNoiseSpectrum, bands), 98.48505, 1e-5);
    double snr = 0;
    ASSERT_TRUE(ComputeSnr(bands, &snr));
    EXPECT_EQ(snr, 2.0);
    HmlValues v = ComputeHml(bands);
    EXPECT_EQ(v.h, 0.0);
    EXPECT_EQ(v.m, 0.0);
    EXPECT_EQ(v.l, 0.0);
    // Each reference spectrum is about 100 dB(A) overall
    for (int k = 0; k < kReferenceSpectra; ++k)
        EXPECT_NEAR(ProtectedLevel(ReferenceSpectrumTable[k].band, bands), 100.0, 0.1) << k;
}

TEST(SpectraAttenuation, NegativeAttenuationGivesNoSnrButFiniteValues)
{
    const double bands[7] = {-1, -1, -1, -1, -1, -1, -1};
    double snr = 123;
    EXPECT_FALSE(ComputeSnr(bands, &snr));  // L'A 99.485
    EXPECT_EQ(snr, 123.0);
    const double absurd[7] = {-9999999, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(ComputeSnr(absurd, &snr));
    HmlValues v = ComputeHml(absurd);
    EXPECT_TRUE(std::isfinite(v.h));
    EXPECT_TRUE(std::isfinite(v.m));
    EXPECT_TRUE(std::isfinite(v.l));
    EXPECT_LT(v.h, -1e6);
    // Truncation toward zero never shows "-0.0"
    const double slight[7] = {-0.5, -0.5, -0.5, -0.5, -0.5, -0.5, -0.5};
    v = ComputeHml(slight);
    char text[16];
    snprintf(text, sizeof text, "%4.1f", v.h);
    EXPECT_STREQ(text, " 0.0");
}

}  // namespace
