#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/report_text.h"
#include "iso1999/risk.h"

namespace {

RiskState State(double years, double level, double age, int sex, int criterion)
{
    RiskState s = InitialRiskState();
    s.record.years = years;
    s.record.level = level;
    s.record.age = age;
    s.record.sex = sex;
    s.criterion = criterion;
    return s;
}

std::string Shown(double value)
{
    char text[32];
    snprintf(text, sizeof text, "%5.1f", value);
    return text;
}

TEST(RiskCriterion, DecibelCriteriaAreStrict)
{
    // 1, 2 and 4 kHz in positions 1, 2, 4
    const double at27[6] = {0, 27, 27, 0, 27, 0};
    const double above27[6] = {0, 27.1, 27, 0, 27, 0};
    EXPECT_EQ(TestCriterion(0.3, kCriterionIso1999_90, at27), 0.0);
    EXPECT_EQ(TestCriterion(0.3, kCriterionIso1999_90, above27), 0.3);
    // 0.5, 1 and 2 kHz
    const double at25low[6] = {25, 25, 25.1, 90, 90, 90};
    EXPECT_EQ(TestCriterion(0.4, kCriterionIso1999_75, at25low), 0.4);
    const double flat25[6] = {25, 25, 25, 25, 25, 25};
    EXPECT_EQ(TestCriterion(0.4, kCriterionIso1999_75, flat25), 0.0);
    EXPECT_EQ(TestCriterion(0.4, kCriterionBiologicalMean, flat25), 0.0);
    const double mean26[6] = {26, 26, 26, 26, 26, 0};
    EXPECT_EQ(TestCriterion(0.4, kCriterionBiologicalMean, mean26), 0.4);
    // 6000 Hz takes no part
    const double only6000[6] = {0, 0, 0, 0, 0, 120};
    for (int c = kCriterionIso1999_90; c <= kCriterionBiologicalMean; ++c)
        EXPECT_EQ(TestCriterion(0.5, c, only6000), 0.0) << c;
}

TEST(RiskCriterion, DamageCriteriaBoundaries)
{
    // Biological: 0.5 (1.5 + 0.4 + 0.1) = 1 exactly (1, 3, 4 kHz at 30 dB)
    const double exactlyOne[6] = {0, 30, 0, 30, 30, 0};
    EXPECT_EQ(TestCriterion(0.2, kCriterionBiological1, exactlyOne), 0.2);
    EXPECT_EQ(TestCriterion(0.2, kCriterionBiological6, exactlyOne), 0.0);
    // Damage exactly 0 does not meet "> 0"; any loss above 25 dB does
    const double flat25[6] = {25, 25, 25, 25, 25, 25};
    EXPECT_EQ(TestCriterion(0.2, kCriterionBiologicalAny, flat25), 0.0);
    const double notch[6] = {25, 25, 25, 25, 25.5, 25};
    EXPECT_EQ(TestCriterion(0.2, kCriterionBiologicalAny, notch), 0.2);
    // New table: 40 dB everywhere is 25.65 %, 30 dB is 0.6 * 5 = 3 %
    const double flat40[6] = {40, 40, 40, 40, 40, 40};
    const double flat30[6] = {30, 30, 30, 30, 30, 30};
    EXPECT_EQ(TestCriterion(0.7, kCriterionOtremNew, flat40), 0.7);
    EXPECT_EQ(TestCriterion(0.7, kCriterionOtremNew, flat30), 0.0);
    EXPECT_EQ(TestCriterion(0.7, kCriterionOtremOld, flat40), 0.7);
    // Unknown criterion: never met
    EXPECT_EQ(TestCriterion(0.7, 4758, flat40), 0.0);
}

TEST(RiskScan, CriterionMetEverywhere)
{
    // Age 150: even at 95 % the mean of 1, 2, 4 kHz is about 55 dB.
    RiskShares s = ScanRisk(State(40, 100, 150, 1, kCriterionIso1999_90).record,
                            kCriterionIso1999_90);
    EXPECT_NEAR(s.nonExposed, 0.95001, 1e-9);
    EXPECT_NEAR(s.exposed, 0.95001, 1e-9);
    RiskPercentages p = RiskPercentagesOf(s);
    EXPECT_EQ(Shown(p.nonExposed), " 95.0");
    EXPECT_EQ(Shown(p.exposed), " 95.0");
    EXPECT_EQ(Shown(p.noise), "  0.0");
}

TEST(RiskScan, CriterionMetNowhere)
{
    // A 19-year-old woman after one year at 80 dBA: no threshold reaches 25 dB
    // (at most 12.8 dB, 4 kHz at 5 %).
    for (int c = kCriterionIso1999_90; c <= kCriterionBiologicalMean; ++c) {
        RiskShares s = ScanRisk(State(1, 80, 19, 2, c).record, c);
        EXPECT_EQ(s.nonExposed, 0.0) << c;
        EXPECT_EQ(s.exposed, 0.0) << c;
        EXPECT_FALSE(ComputeRiskSegment(State(1, 80, 19, 2, c).record, c).shown);
    }
    RiskPercentages p = RiskPercentagesOf(ScanRisk(State(1, 80, 19, 2, 4750).record, 4750));
    EXPECT_EQ(Shown(p.noise), "  0.0");
}

TEST(RiskScan, OnlyTheExposedGroupAtRisk)
{
    // 10 years at 100 dBA from 18: without noise no threshold passes 25 dB
    // (at most 16.5 dB, 4 kHz at 5 %); with it the 4 kHz threshold passes
    // 25 dB up to the 69 % fractile.
    RiskState state = State(10, 100, 28, 1, kCriterionBiologicalAny);
    RiskShares s = ScanRisk(state.record, state.criterion);
    EXPECT_EQ(s.nonExposed, 0.0);
    EXPECT_NEAR(s.exposed, 0.69001, 1e-9);
    RiskPercentages p = RiskPercentagesOf(s);
    EXPECT_EQ(Shown(p.exposed), " 69.0");
    EXPECT_EQ(Shown(p.noise), " 69.0");
    RiskSegment segment = ComputeRiskSegment(state.record, state.criterion);
    EXPECT_TRUE(segment.shown);
    EXPECT_EQ(segment.fromPercent, 0);  // the left edge of the plot
    EXPECT_EQ(segment.toPercent, 69);
    EXPECT_GT(segment.value, 0.0);
    EXPECT_LT(segment.value, 0.01);
}

TEST(RiskScan, EveryCriterionOnTheInitialInputs)
{
    // 35 years at 90 dBA, 60-year-old man
    struct Expected {
        int criterion;
        const char* nonExposed;
        const char* exposed;
        const char* noise;
    } expected[] = {
        {4750, " 21.0", " 35.0", " 14.0"}, {4751, "  5.0", "  8.0", "  3.0"},
        {4752, "  0.0", " 13.0", " 13.0"}, {4753, "  5.0", " 10.0", "  5.0"},
        {4754, "  0.0", "  7.0", "  7.0"}, {4755, " 15.0", " 34.0", " 19.0"},
        {4756, " 57.0", " 79.0", " 22.0"}, {4757, " 22.0", " 36.0", " 14.0"},
    };
    RiskState state = InitialRiskState();
    for (const Expected& e : expected) {
        RiskPercentages p = RiskPercentagesOf(ScanRisk(state.record, e.criterion));
        EXPECT_EQ(Shown(p.nonExposed), e.nonExposed) << e.criterion;
        EXPECT_EQ(Shown(p.exposed), e.exposed) << e.criterion;
        EXPECT_EQ(Shown(p.noise), e.noise) << e.criterion;
    }
}

TEST(RiskChart, CurvesFollowTheScannedFractiles)
{
    RiskCurves curves;
    ComputeRiskCurves(InitialRiskState().record, kCriterionIso1999_90, &curves);
    EXPECT_DOUBLE_EQ(curves.fractile[0], 0.05001);
    EXPECT_NEAR(curves.fractile[90], 0.95001, 1e-12);
    // Medians at 60 (men): (7.056 + 12.348 + 28.224) / 3
    EXPECT_NEAR(curves.nonExposed[45], 15.876, 1e-9);
    EXPECT_NEAR(curves.exposed[45], 21.25358, 1e-5);
    for (int i = 1; i < kRiskScanPoints; ++i) {
        EXPECT_LE(curves.nonExposed[i], curves.nonExposed[i - 1]);
        EXPECT_LE(curves.exposed[i], curves.exposed[i - 1]);
    }
    EXPECT_TRUE(RiskCriterionInDecibels(kCriterionIso1999_90));
    EXPECT_TRUE(RiskCriterionInDecibels(kCriterionBiologicalMean));
    EXPECT_FALSE(RiskCriterionInDecibels(kCriterionOtremOld));
    EXPECT_EQ(RiskCriterionLine(kCriterionIso1999_90), 27.0);
    EXPECT_EQ(RiskCriterionLine(kCriterionIso1999_75), 25.0);
    EXPECT_EQ(RiskCriterionLine(kCriterionBiologicalMean), 25.0);
    EXPECT_EQ(RiskCriterionLine(kCriterionOtremNew), 11.0);
    EXPECT_EQ(RiskCriterionLine(kCriterionBiological6), 6.0);
    EXPECT_EQ(RiskCriterionLine(kCriterionBiological1), 1.0);
    EXPECT_EQ(RiskCriterionLine(kCriterionBiologicalAny), 0.0);
    const double flat40[6] = {40, 40, 40, 40, 40, 40};
    EXPECT_NEAR(RiskCriterionQuantity(kCriterionOtremOld, flat40), 26.658, 1e-9);
    EXPECT_NEAR(RiskCriterionQuantity(kCriterionBiological1, flat40), 10.0, 1e-9);
    const double mixed[6] = {10, 20, 30, 40, 50, 60};
    EXPECT_NEAR(RiskCriterionQuantity(kCriterionIso1999_90, mixed), 100.0 / 3, 1e-9);
    EXPECT_NEAR(RiskCriterionQuantity(kCriterionIso1999_75, mixed), 20.0, 1e-9);
    EXPECT_NEAR(RiskCriterionQuantity(kCriterionBiologicalMean, mixed), 30.0, 1e-9);
}

TEST(RiskTexts, CriterionNamesAndTitles)
{
    EXPECT_STREQ(RiskCriterionTextsOf(4752).shortName, "OTREM N. Tab.");
    EXPECT_STREQ(RiskCriterionTextsOf(4756).comboText, "Danno biologico zero");
    EXPECT_STREQ(RiskCriterionTextsOf(4756).longName, "Danno biologico maggiore di zero");
    EXPECT_STREQ(RiskCriterionTextsOf(4753).statusText, "OTREM Vecchia Tabella: Danno > 11%");
    EXPECT_STREQ(RiskCriterionTextsOf(4751).statusText,
                 "ISO 1999/75: ((0.5kHz + 1kHz + 2kHz) / 3) > 25");
    EXPECT_STREQ(RiskCriterionTextsOf(9999).comboText, "ISO 1999/90");

    char text[256];
    RiskState state = InitialRiskState();
    FormatRiskParameters(state, false, text, sizeof text);
    EXPECT_STREQ(text, " Esposizione: 90.0 dBA per  35 anni   Età:  60  Sesso: M   Criterio: ISO 1999/90");
    state.criterion = kCriterionOtremNew;
    state.record.sex = 2;
    FormatRiskChartTitle(state, text, sizeof text);
    EXPECT_STREQ(text, "Danno OTREM (%) -  Esposizione: 90.0 dBA per  35 anni   Età:  60  Sesso: F"
                       "   Criterio: OTREM N. Tab.");
    state.criterion = kCriterionBiologicalMean;
    FormatRiskChartTitle(state, text, sizeof text);
    EXPECT_EQ(std::string(text).rfind("Perdite (dB) -  Esposizione:", 0), 0u);
    state.criterion = kCriterionBiological6;
    FormatRiskChartTitle(state, text, sizeof text);
    EXPECT_EQ(std::string(text).rfind("Danno biologico (%) - ", 0), 0u);
    // Cut cleanly into a small buffer
    char small[10];
    FormatRiskChartTitle(state, small, sizeof small);
    EXPECT_STREQ(small, "Danno bio");
}

TEST(RiskReport, LinesSeparatorsAndCommas)
{
    std::vector<char> block(kReportTextSize, 'x');
    BuildRiskReportOf(InitialRiskState(), block.data(), block.size(), ";");
    EXPECT_EQ(std::string(block.data()),
              "Rischio di danno (in %) dovuto all'esposizione al rumore;;;\r\n"
              "Esposizione:;;;90,0 dBA per  35 anni\r\n"
              "Età:;;; 60\r\n"
              "Sesso:;;;M\r\n"
              "Criterio:;;;ISO 1999/90\r\n"
              "% della popolazione non esposta che supera la soglia di rischio:;;; 21,0\r\n"
              "% della popolazione esposta che supera la soglia di rischio:;;; 35,0\r\n"
              "% di popolazione a rischio causato all'esposizione a rumore:;;; 14,0\r\n");
}

TEST(RiskReport, GlobalStateAndLongSeparator)
{
    RiskState saved = g_riskState;
    g_riskState = State(1, 80, 19, 1, kCriterionOtremOld);
    std::vector<char> block(kReportTextSize);
    BuildRiskReport(block.data(), "12345678");
    std::string text(block.data());
    EXPECT_NE(text.find("Criterio:123456781234567812345678OTREM Vecchia Tabella\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("rumore:123456781234567812345678  0,0\r\n"), std::string::npos);
    g_riskState = saved;
}

TEST(RiskReport, CutAfterTheLastWholeLine)
{
    std::vector<char> block(400, 'x');
    BuildRiskReportOf(InitialRiskState(), block.data(), 200, ";");
    std::string text(block.data());
    EXPECT_EQ(text,
              "Rischio di danno (in %) dovuto all'esposizione al rumore;;;\r\n"
              "Esposizione:;;;90,0 dBA per  35 anni\r\n"
              "Età:;;; 60\r\n"
              "Sesso:;;;M\r\n"
              "Criterio:;;;ISO 1999/90\r\n");
    for (size_t i = 200; i < block.size(); ++i)
        ASSERT_EQ(block[i], 'x');  // nothing written past the capacity
}

}  // namespace
