#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "protectors/correction.h"
#include "protectors/methods.h"
#include "protectors/selection.h"
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

// Each correction and type on each method, by hand: attenuation x beta (muffs 0.75, foam 0.5,
// pre-moulded 0.3), - 4 dB (HSE), - KS (foam 9; pre-moulded, banded, muffs 5; custom 3).
TEST(ProtectorCorrection, EachCorrectionAndTypeOnEachMethod)
{
    struct Case {
        int method;
        double laeq, lceq, h, m, l, snr;
        int classL, correction, kind;
        double level;  // against LA 85
        const char* verdict;
    };
    const int N = kCorrectionNone, B = kCorrectionUniBeta, U = kCorrectionHse, D = kCorrectionDguv;
    const Case cases[] = {
        {kMethodSnr, 0, 100, 0, 0, 0, 25, 0, N, kKindNone, 75, "ACCETTABILE."},  // LE 75
        {kMethodSnr, 0, 100, 0, 0, 0, 25, 0, B, kKindEarmuffs, 81, "ACCETTABILE."},         // 100 - 18.75
        {kMethodSnr, 0, 100, 0, 0, 0, 25, 0, B, kKindFoamPlugs, 88, "INSUFFICIENTE."},      // 100 - 12.5
        {kMethodSnr, 0, 100, 0, 0, 0, 25, 0, B, kKindPremouldedPlugs, 93, "INSUFFICIENTE."},
        {kMethodSnr, 0, 100, 0, 0, 0, 25, 0, U, kKindNone, 79, "BUONA."},
        {kMethodSnr, 0, 100, 0, 0, 0, 25, 0, D, kKindFoamPlugs, 84, "ACCETTABILE."},
        {kMethodSnr, 0, 100, 0, 0, 0, 25, 0, D, kKindPremouldedPlugs, 80, "BUONA."},
        {kMethodSnr, 0, 100, 0, 0, 0, 25, 0, D, kKindBandedPlugs, 80, "BUONA."},
        {kMethodSnr, 0, 100, 0, 0, 0, 25, 0, D, kKindCustomMoulded, 78, "BUONA."},
        {kMethodCorrectedSnr, 95, 0, 0, 0, 0, 20, 0, B, kKindFoamPlugs, 92, "INSUFFICIENTE."},  // 95 - (10 - 7)
        {kMethodHml, 90, 96, 30, 25, 20, 0, 0, B, kKindEarmuffs, 73, "ACCETTABILE."},  // PNR 16.875 (LE 67)
        {kMethodHmlCheck, 95, 0, 30, 25, 20, 0, 0, B, kKindFoamPlugs, 83, "ACCETTABILE."},  // M: 95 - 12.5
        {kMethodHmlCheck, 120, 0, 30, 20, 10, 0, 0, B, kKindEarmuffs, 98, "INSUFFICIENTE."},  // H stays: 120 - 22.5
        {kMethodHmlCheck, 100, 0, 30, 25, 18.5, 0, 1, D, kKindEarmuffs, 87, "INSUFFICIENTE."},  // L: 100 - 13.5
        {kMethodOctaveBand, 0, 0, 0, 0, 0, 0, 0, B, kKindEarmuffs, 73, "ACCETTABILE."},  // 73.01 (LE 66.76)
    };
    const double noise[7] = {80, 85, 88, 90, 87, 84, 78}, attenuation[7] = {15, 18, 22, 28, 32, 38, 36};
    for (const Case& c : cases) {
        ProtectorSelection s = StartSelection();
        s.method = c.method, s.laeq = c.laeq, s.lceq = c.lceq, s.h = c.h, s.m = c.m, s.l = c.l, s.snr = c.snr;
        s.classL = c.classL, s.correction = c.correction, s.protectorKind = c.kind, s.effectiveLevel = 75;
        std::copy(noise, noise + 7, s.noise);
        std::copy(attenuation, attenuation + 7, s.attenuation);
        JudgedLevel judged = JudgedLevelOf(s);
        EXPECT_EQ(judged.corrected, c.correction != N);
        EXPECT_EQ(judged.level, c.level) << c.method << " " << c.correction << " " << c.kind;
        EXPECT_STREQ(ProtectionVerdict(judged.level, 85), c.verdict) << c.level;
    }
    // A type its source does not list is no correction; without a method LE stays.
    ProtectorSelection s = StartSelection();
    s.effectiveLevel = 75, s.correction = kCorrectionUniBeta, s.protectorKind = kKindBandedPlugs;
    EXPECT_FALSE(JudgedLevelOf(s).corrected || JudgedLevelOf(s).notApplied);
    s.correction = kCorrectionHse, s.protectorKind = kKindNone;
    EXPECT_TRUE(JudgedLevelOf(s).notApplied && JudgedLevelOf(s).level == 75);
}

TEST(ProtectorCorrection, ThePrintoutNamesTheCorrectionAndJudgesTheCorrectedLevel)
{
    ProtectorSelection s = StartSelection();
    s.method = kMethodSnr, s.lceq = 100, s.snr = 25, s.effectiveLevel = 75;
    s.correction = kCorrectionUniBeta, s.protectorKind = kKindFoamPlugs;
    std::vector<std::string> printed = SelectionPrintLines(s);
    EXPECT_EQ(std::vector<std::string>(printed.end() - 4, printed.end()),
              (std::vector<std::string>{"Correzione per l'uso reale: Fattore beta UNI 9432, Inserti espandibili",
                                        "Livello corretto: 88.0 dBA", "Il livello d'azione è: 85.0 dBA",
                                        "La protezione offerta dal DPI è da ritenersi INSUFFICIENTE."}));
}

}  // namespace
