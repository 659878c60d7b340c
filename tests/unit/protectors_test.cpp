#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "protectors/methods.h"
#include "protectors/verdict.h"

namespace {

TEST(ProtectorRoundLevel, HalvesGoUp)
{
    EXPECT_EQ(RoundLevel(84.5), 85.0);
    EXPECT_EQ(RoundLevel(84.49), 84.0);
    EXPECT_EQ(RoundLevel(84.0), 84.0);
    EXPECT_EQ(RoundLevel(84.9999), 85.0);
    EXPECT_EQ(RoundLevel(0.49999999999999994), 0.0);
    EXPECT_EQ(RoundLevel(0.0), 0.0);
    // Negative levels round to the nearest as well, halves upward
    EXPECT_EQ(RoundLevel(-2.7), -3.0);
    EXPECT_EQ(RoundLevel(-2.5), -2.0);
    EXPECT_EQ(RoundLevel(-2.2), -2.0);
}

TEST(ProtectorMethods, SnrAndCorrectedSnr)
{
    EXPECT_EQ(SnrMethod(100, 25), 75.0);
    EXPECT_EQ(SnrMethod(100.4, 25), 75.0);
    EXPECT_EQ(SnrMethod(100.5, 25), 76.0);
    EXPECT_EQ(CorrectedSnrMethod(95, 20), 82.0);  // 95 - (20 - 7)
    EXPECT_EQ(CorrectedSnrMethod(95.5, 20), 83.0);
}

TEST(ProtectorMethods, OctaveBand)
{
    const double noise[7] = {90, 90, 90, 90, 90, 90, 90};
    const double attenuation[7] = {20, 20, 20, 20, 20, 20, 20};
    // 70 + 10 log10(sum 10^(0.1 W)) = 70 + 6.985
    EXPECT_EQ(OctaveBandMethod(noise, attenuation), 77.0);
    // One band only: 1 kHz at 100 - 30, the others 140 dB under
    const double one[7] = {1, 1, 1, 100, 1, 1, 1};
    const double att[7] = {140, 140, 140, 30, 140, 140, 140};
    EXPECT_EQ(OctaveBandMethod(one, att), 70.0);
}

TEST(ProtectorMethods, OctaveBandStaysFiniteForAnyBands)
{
    const double huge[7] = {9999999, 9999999, 1, 1, 1, 1, 1};
    const double att[7] = {1, 1, 1, 1, 1, 1, 1};
    // The loudest band decides: 250 Hz at 9999999 - 8.6 - 1, then 125 Hz
    // 7.5 dB under it adds 10 log10(1 + 10^-0.75)
    double le = OctaveBandMethod(huge, att);
    EXPECT_TRUE(std::isfinite(le));
    EXPECT_EQ(le, RoundLevel(9999999 - 8.6 - 1 + 10 * std::log10(1 + std::pow(10, -0.75))));
    const double tiny[7] = {-9999999, -9999999, -9999999, -9999999, -9999999, -9999999, -9999999};
    EXPECT_TRUE(std::isfinite(OctaveBandMethod(tiny, att)));
    EXPECT_LT(OctaveBandMethod(tiny, att), -9999990);
}

TEST(ProtectorMethods, HmlUsesTheStandardSlopeAboveTwoDecibels)
{
    // d = 6: PNR = 25 - (25 - 20)/8 * 4 = 22.5, rounded 23, LE = 90 - 23
    EXPECT_DOUBLE_EQ(HmlPnr(90, 96, 30, 25, 20), 22.5);
    EXPECT_EQ(HmlMethod(90, 96, 30, 25, 20), 67.0);
    // d = 2 exactly: PNR = M
    EXPECT_DOUBLE_EQ(HmlPnr(90, 92, 30, 25, 20), 25.0);
    EXPECT_EQ(HmlMethod(90, 92, 30, 25, 20), 65.0);
    // d = 0: PNR = 25 - (30 - 25)/4 * (-2) = 27.5, rounded 28
    EXPECT_DOUBLE_EQ(HmlPnr(90, 90, 30, 25, 20), 27.5);
    EXPECT_EQ(HmlMethod(90, 90, 30, 25, 20), 62.0);
    // H takes no part above 2 dB
    EXPECT_DOUBLE_EQ(HmlPnr(90, 96, 50, 25, 20), 22.5);
}

TEST(ProtectorMethods, HmlCheck)
{
    // Class L: LAeq - L
    HmlCheckResult r = HmlCheckMethod(100, true, 30, 25, 18.5);
    EXPECT_TRUE(r.assessed);
    EXPECT_EQ(r.le, 82.0);  // 81.5 rounds up
    // Class HM, LAeq - M at most 85
    r = HmlCheckMethod(105, false, 30, 20, 10);
    EXPECT_TRUE(r.assessed);
    EXPECT_EQ(r.le, 85.0);
    // LAeq - M = 90 > 85, LAeq - H = 80: more information needed, LE 80
    r = HmlCheckMethod(110, false, 30, 20, 10);
    EXPECT_FALSE(r.assessed);
    EXPECT_EQ(r.le, 80.0);
    // LAeq - M = 100, LAeq - H = 90 > 85: assessed (insufficient)
    r = HmlCheckMethod(120, false, 30, 20, 10);
    EXPECT_TRUE(r.assessed);
    EXPECT_EQ(r.le, 90.0);
    // LAeq - H exactly 85 is not above the limit
    r = HmlCheckMethod(115, false, 30, 20, 10);
    EXPECT_FALSE(r.assessed);
    EXPECT_EQ(r.le, 85.0);
}

TEST(ProtectorMethods, MethodInfo)
{
    ASSERT_NE(ProtectionMethodInfoOf(kMethodOctaveBand), nullptr);
    EXPECT_STREQ(ProtectionMethodInfoOf(kMethodOctaveBand)->pageTitle, "Metodo banda d'ottava");
    EXPECT_STREQ(ProtectionMethodInfoOf(kMethodCorrectedSnr)->printedName, "SNR corretto.");
    EXPECT_EQ(ProtectionMethodInfoOf(kMethodSnr)->pageTemplate, 109);
    EXPECT_EQ(ProtectionMethodInfoOf(kMethodHmlCheck)->pageTemplate, 104);
    EXPECT_STREQ(ProtectionMethodInfoOf(kMethodHml)->printedName, "HML.");
    EXPECT_EQ(ProtectionMethodInfoOf(kMethodNone), nullptr);
    EXPECT_EQ(ProtectionMethodInfoOf(6), nullptr);
}

TEST(ProtectorVerdict, Boundaries)
{
    EXPECT_STREQ(ProtectionVerdict(85.5, 85), "INSUFFICIENTE.");
    EXPECT_STREQ(ProtectionVerdict(85, 85), "ACCETTABILE.");
    EXPECT_STREQ(ProtectionVerdict(80.5, 85), "ACCETTABILE.");
    EXPECT_STREQ(ProtectionVerdict(80, 85), "BUONA.");
    EXPECT_STREQ(ProtectionVerdict(75.5, 85), "BUONA.");
    EXPECT_STREQ(ProtectionVerdict(75, 85), "ACCETTABILE.");
    EXPECT_STREQ(ProtectionVerdict(70.5, 85), "ACCETTABILE.");
    EXPECT_STREQ(ProtectionVerdict(70, 85), "TROPPO ALTA (IPERPROTEZIONE).");
    EXPECT_STREQ(ProtectionVerdict(-10, 80), "TROPPO ALTA (IPERPROTEZIONE).");
    EXPECT_STREQ(ProtectionVerdict(81, 80), "INSUFFICIENTE.");
    EXPECT_STREQ(ProtectionVerdict(82, 90), "BUONA.");
    EXPECT_STREQ(ProtectionVerdict(80, 90), "ACCETTABILE.");
    // The examples: SNR 75 and corrected SNR 82 against 85
    EXPECT_STREQ(ProtectionVerdict(SnrMethod(100, 25), 85), "ACCETTABILE.");
    EXPECT_STREQ(ProtectionVerdict(CorrectedSnrMethod(95, 20), 85), "ACCETTABILE.");
}

TEST(ProtectorVerdict, Text)
{
    char text[kVerdictTextSize];
    BuildVerdictText(77, 85, text, sizeof text);
    EXPECT_STREQ(text,
                 "Con l'otoprotettore scelto, il livello di pressione sonora equivalente risultante "
                 "all'orecchio del lavoratore è pari a 77.0 dBA.\r\nIl livello d'azione è 85.0 dBA."
                 "\r\nLa protezione offerta dal DPI è da ritenersi BUONA.");
    char small[20];
    BuildVerdictText(77, 85, small, sizeof small);
    EXPECT_EQ(std::string(small), "Con l'otoprotettore");
}

}  // namespace
