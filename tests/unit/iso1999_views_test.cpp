#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "framework/report_text.h"
#include "iso1999/evolution.h"
#include "iso1999/predictions.h"
#include "iso1999/shift.h"
#include "iso1999/view_text.h"

namespace {

// The table values below were worked out apart from this code, from the
// formulas of ISO 1999 / ISO 7029 and the damage tables.

std::string ShiftReport(const ShiftState& state, const char* separator = ";")
{
    std::vector<char> block(kReportTextSize, 'x');
    BuildShiftReportOf(state, block.data(), block.size(), separator);
    return block.data();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text ends with a whole line";
    return lines;
}

size_t Count(const std::string& line, const std::string& separator)
{
    size_t n = 0;
    for (size_t at = line.find(separator); at != std::string::npos; at = line.find(separator, at + separator.size()))
        ++n;
    return n;
}

ShiftState Shift(int quantity)
{
    ShiftState s = InitialShiftState();
    s.quantity = quantity;
    return s;
}

TEST(ShiftTable, FractileRowsDamageAndMarks)
{
    ShiftTable table;
    ComputeShiftTable(Shift(kQuantityHtlan), &table);
    EXPECT_TRUE(table.withDamage);
    EXPECT_NEAR(table.rows[0].fractile, 0.05, 1e-12);
    EXPECT_NEAR(table.rows[18].fractile, 0.95, 1e-12);
    // 10 %, 4000 Hz: HTLA 55.01739 and NIPTS 19.76111 combined
    EXPECT_NEAR(table.rows[1].values[4], 65.71846, 1e-5);
    // New table: 13.7 % from 11 % up is marked, 10.1 % is not
    EXPECT_TRUE(table.rows[0].marked);
    EXPECT_TRUE(table.rows[1].marked);
    EXPECT_FALSE(table.rows[2].marked);
    EXPECT_NEAR(table.rows[2].damage, 10.08025, 1e-5);
    // Biological table: threshold 6 %
    ShiftState bio = Shift(kQuantityHtlan);
    bio.damageTable = kDamageTableBiological;
    ComputeShiftTable(bio, &table);
    EXPECT_EQ(DamageThreshold(kDamageTableBiological), 6.0);
    for (int i = 0; i < kShiftFractiles; ++i)
        EXPECT_EQ(table.rows[i].marked, table.rows[i].damage >= 6.0) << i;
    EXPECT_EQ(DamageThreshold(kDamageTableOld), 11.0);
    EXPECT_EQ(DamageThreshold(kDamageTableNew), 11.0);
}

TEST(ShiftTable, NiptsHasNoDamageAndZeroColumnsAtL0)
{
    ShiftState s = Shift(kQuantityNipts);
    s.record.level = 89;  // L0 of 1000 Hz, below 500 Hz's 93
    ShiftTable table;
    ComputeShiftTable(s, &table);
    EXPECT_FALSE(table.withDamage);
    for (int i = 0; i < kShiftFractiles; ++i) {
        EXPECT_EQ(table.rows[i].values[0], 0.0);
        EXPECT_EQ(table.rows[i].values[1], 0.0);
        EXPECT_GT(table.rows[i].values[4], 0.0);
        EXPECT_EQ(table.rows[i].damage, 0.0);
        EXPECT_FALSE(table.rows[i].marked);
    }
}

TEST(ShiftTable, AudiogramFractiles)
{
    double values[kAudiogramFractiles][kEarFrequencies];
    ComputeShiftAudiogram(Shift(kQuantityHtla), values);
    // HTLA men 60, 2000 Hz, 20 %: 12.348 + 0.842 (7.23 + 0.445 * 12.348)
    EXPECT_NEAR(values[1][2], 12.348 + 0.842 * (7.23 + 0.445 * 12.348), 1e-9);
    // 50 %: the medians
    EXPECT_NEAR(values[3][4], 28.224, 1e-9);
    ComputeShiftAudiogram(Shift(kQuantityHtlan), values);
    EXPECT_NEAR(values[4][5], 31.13953, 1e-5);  // 65 %, 6000 Hz
}

TEST(ShiftTexts, NamesParametersAndTitles)
{
    EXPECT_EQ(ShiftQuantityForCommand(1050), kQuantityNipts);
    EXPECT_EQ(ShiftQuantityForCommand(1055), kQuantityHtla);
    EXPECT_EQ(ShiftQuantityForCommand(1060), kQuantityHtlan);
    EXPECT_STREQ(ShiftQuantityLongName(kQuantityHtla), "Hearing Threshold Level associated with Age");
    EXPECT_STREQ(ShiftQuantityTitle(kQuantityNipts), " NIPTS - Noise Induced Permanent Threshold Shift");

    char text[256];
    FormatShiftParameters(Shift(kQuantityHtlan), text, sizeof text);
    EXPECT_STREQ(text, " Anni di esposizione:  35   Leq: 90.0 dBA   Età:  60  Sesso: M   Tabella: Nuova");
    FormatShiftParameters(Shift(kQuantityNipts), text, sizeof text);
    EXPECT_STREQ(text, " Anni di esposizione:  35   Leq: 90.0 dBA");
    ShiftState htla = Shift(kQuantityHtla);
    htla.record.sex = 2;
    htla.damageTable = kDamageTableOld;
    FormatShiftParameters(htla, text, sizeof text);
    EXPECT_STREQ(text, "   Età:  60  Sesso: F   Tabella: Vecchia");

    FormatShiftChartTitle(Shift(kQuantityHtlan), text, sizeof text);
    EXPECT_STREQ(text, " HTLAN -  Anni di esposizione:  35   Leq: 90.0 dBA   Età:  60   Sesso: M");
    FormatShiftChartTitle(htla, text, sizeof text);
    EXPECT_STREQ(text, " HTLA -    Età:  60   Sesso: F");
    ShiftState nipts = Shift(kQuantityNipts);
    nipts.record.years = 85.5;
    FormatShiftChartTitle(nipts, text, sizeof text);
    EXPECT_STREQ(text, " NIPTS -  Anni di esposizione:  86   Leq: 90.0 dBA");
}

TEST(ShiftReport, NiptsText)
{
    EXPECT_EQ(ShiftReport(Shift(kQuantityNipts)),
              "NIPTS - Noise Induced Permanent Threshold Shift;;;;;;;\r\n"
              "Anni di esposizione:;;; 35;;;;\r\n"
              "Leq:;;;90,0; dBA;;;;\r\n"
              "q (%);500 Hz;1000 Hz;2000 Hz;3000 Hz;4000 Hz;6000 Hz;\r\n"
              " 5; 0,0; 0,2;10,3;20,5;21,3;16,5;\r\n"
              "10; 0,0; 0,1; 9,3;18,6;19,8;15,0;\r\n"
              "15; 0,0; 0,1; 8,6;17,2;18,7;13,9;\r\n"
              "20; 0,0; 0,1; 8,0;16,2;17,9;13,1;\r\n"
              "25; 0,0; 0,1; 7,6;15,3;17,2;12,4;\r\n"
              "30; 0,0; 0,1; 7,2;14,5;16,5;11,7;\r\n"
              "35; 0,0; 0,1; 6,8;13,7;15,9;11,1;\r\n"
              "40; 0,0; 0,1; 6,4;13,0;15,4;10,6;\r\n"
              "45; 0,0; 0,1; 6,0;12,4;14,8;10,0;\r\n"
              "50; 0,0; 0,1; 5,7;11,7;14,3; 9,5;\r\n"
              "55; 0,0; 0,1; 5,5;11,4;13,9; 9,1;\r\n"
              "60; 0,0; 0,1; 5,3;11,1;13,6; 8,7;\r\n"
              "65; 0,0; 0,1; 5,1;10,8;13,2; 8,4;\r\n"
              "70; 0,0; 0,1; 4,9;10,5;12,8; 8,0;\r\n"
              "75; 0,0; 0,1; 4,6;10,1;12,3; 7,5;\r\n"
              "80; 0,0; 0,1; 4,3; 9,8;11,9; 7,0;\r\n"
              "85; 0,0; 0,1; 4,0; 9,3;11,3; 6,5;\r\n"
              "90; 0,0; 0,1; 3,6; 8,7;10,6; 5,7;\r\n"
              "95; 0,0; 0,1; 3,1; 7,9; 9,5; 4,7;\r\n");
}

TEST(ShiftReport, HtlanTextWithDamageAndMarks)
{
    EXPECT_EQ(ShiftReport(Shift(kQuantityHtlan)),
              "HTLAN - Hearing Threshold Level associated with Age and Noise;;;;;;;\r\n"
              "Anni di esposizione:;;; 35;;;;\r\n"
              "Leq:;;;90,0; dBA;;;;\r\n"
              "Età:;;; 60;;;;\r\n"
              "Sesso:;;;M;;;;\r\n"
              "Tabella: Nuova;;;;;;;\r\n"
              "q (%);500 Hz;1000 Hz;2000 Hz;3000 Hz;4000 Hz;6000 Hz;Danno (%)\r\n"
              " 5;20,8;22,4;40,7;60,2;72,8;77,4;18,5; *\r\n"
              "10;17,5;19,1;35,7;53,9;65,7;69,2;13,7; *\r\n"
              "15;15,4;16,8;32,3;49,5;60,8;63,6;10,1\r\n"
              "20;13,6;15,0;29,6;46,0;56,9;59,1; 7,1\r\n"
              "25;12,2;13,4;27,2;42,9;53,5;55,1; 5,6\r\n"
              "30;10,8;12,0;25,0;40,1;50,3;51,5; 4,1\r\n"
              "35; 9,6;10,7;23,0;37,4;47,4;48,2; 3,3\r\n"
              "40; 8,4; 9,5;21,1;34,9;44,6;45,0; 2,5\r\n"
              "45; 7,3; 8,3;19,3;32,5;41,9;41,8; 1,8\r\n"
              "50; 6,2; 7,1;17,5;30,0;39,2;38,7; 1,1\r\n"
              "55; 5,3; 6,2;16,0;28,2;37,0;36,3; 0,8\r\n"
              "60; 4,4; 5,3;14,6;26,4;34,9;33,8; 0,5\r\n"
              "65; 3,4; 4,3;13,1;24,5;32,6;31,1; 0,3\r\n"
              "70; 2,5; 3,3;11,6;22,5;30,2;28,4; 0,2\r\n"
              "75; 1,4; 2,1; 9,9;20,3;27,5;25,3; 0,1\r\n"
              "80; 0,2; 0,9; 8,0;17,9;24,6;22,0; 0,0\r\n"
              "85;-1,2;-0,5; 5,8;15,1;21,2;18,0; 0,0\r\n"
              "90;-2,9;-2,4; 3,0;11,5;16,8;13,0; 0,0\r\n"
              "95;-5,5;-5,1;-1,2; 6,1;10,2; 5,4; 0,0\r\n");
}

TEST(ShiftReport, HtlaTextShape)
{
    ShiftState s = Shift(kQuantityHtla);
    s.damageTable = kDamageTableBiological;
    s.record.sex = 2;
    std::vector<std::string> lines = Lines(ShiftReport(s, "\t"));
    ASSERT_EQ(lines.size(), 5u + kShiftFractiles);
    EXPECT_EQ(lines[0], "HTLA - Hearing Threshold Level associated with Age\t\t\t\t\t\t\t");
    EXPECT_EQ(lines[1], "Età:\t\t\t 60\t\t\t\t");
    EXPECT_EQ(lines[2], "Sesso:\t\t\tF\t\t\t\t");
    EXPECT_EQ(lines[3], "Tabella: Biologico\t\t\t\t\t\t\t");
    EXPECT_EQ(lines[4], "q (%)\t500 Hz\t1000 Hz\t2000 Hz\t3000 Hz\t4000 Hz\t6000 Hz\tDanno (%)");
    for (size_t i = 5; i < lines.size(); ++i) {
        size_t tabs = Count(lines[i], "\t");
        bool marked = lines[i].size() > 2 && lines[i].compare(lines[i].size() - 2, 2, " *") == 0;
        EXPECT_EQ(tabs, marked ? 8u : 7u) << lines[i];
        EXPECT_EQ(lines[i].find('.'), std::string::npos) << lines[i];
    }
    EXPECT_EQ(lines[5].substr(0, 3), " 5\t");
    EXPECT_EQ(lines.back().substr(0, 3), "95\t");
}

TEST(ShiftReport, GlobalStateLongSeparatorAndCut)
{
    ShiftState saved = g_shiftState;
    g_shiftState = Shift(kQuantityHtlan);
    std::vector<char> block(kReportTextSize + 16, 'x');
    BuildShiftReport(block.data(), "abcdefgh");
    std::string text(block.data());
    std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 7u + kShiftFractiles);
    EXPECT_EQ(lines[0], "HTLAN - Hearing Threshold Level associated with Age and Noise"
                        "abcdefghabcdefghabcdefghabcdefghabcdefghabcdefghabcdefgh");
    EXPECT_EQ(lines[7].substr(0, 10), " 5abcdefgh");
    g_shiftState = saved;

    // A small block is cut after its last whole line, and nothing passes it.
    std::string full = ShiftReport(Shift(kQuantityHtlan));
    std::vector<char> small(700, 'x');
    BuildShiftReportOf(Shift(kQuantityHtlan), small.data(), 500, ";");
    std::string cut(small.data());
    EXPECT_LE(cut.size(), 499u);
    EXPECT_EQ(cut, full.substr(0, cut.size()));
    EXPECT_EQ(cut.substr(cut.size() - 2), "\r\n");
    EXPECT_GT(full.find("\r\n", cut.size()) + 2, 499u);  // the next line would not fit
    for (size_t i = 500; i < small.size(); ++i)
        ASSERT_EQ(small[i], 'x');
}

TEST(ShiftReport, HugeAgesStayWithinTheBlock)
{
    ShiftState s = Shift(kQuantityHtlan);
    s.record.age = 9999999;
    std::vector<char> block(kReportTextSize + 16, 'x');
    BuildShiftReportOf(s, block.data(), kReportTextSize, "12345678");
    std::string text(block.data());
    EXPECT_LE(text.size(), (size_t)kReportTextSize - 1);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
    for (size_t i = kReportTextSize; i < block.size(); ++i)
        ASSERT_EQ(block[i], 'x');
}

PredictionState Prediction()
{
    return InitialPredictionState();
}

TEST(Predictions, TableAndCurvesValues)
{
    double table[kPredictionTimes][kPredictionLevels];
    ComputePredictionTable(Prediction(), table);
    // 10 years, 88 dBA, 4000 Hz, 10 %: 0.05 * 169 + 1.282 * 0.014 * 169
    EXPECT_NEAR(table[4][0], 8.45 + 1.282 * 2.366, 1e-9);
    // 40 years at Ls + 12 = 100 dBA
    EXPECT_NEAR(table[19][6], 56.2, 0.05);
    double curves[kPredictionDurations][kPredictionLevelSteps];
    ComputeLossVersusLevel(Prediction(), curves);
    EXPECT_NEAR(curves[1][0], table[4][0], 1e-12);  // 10 years, Ls
    EXPECT_NEAR(curves[3][2], table[9][1], 1e-12);  // 20 years, Ls + 2
    EXPECT_NEAR(PredictionNipts(Prediction(), 20, 4), table[9][2], 1e-12);

    // 500 Hz from 81 dBA: no column passes the 93 dB of L0
    PredictionState low = Prediction();
    low.record.frequency = 500;
    low.record.level = 81;
    ComputePredictionTable(low, table);
    ComputeLossVersusLevel(low, curves);
    for (int i = 0; i < kPredictionTimes; ++i)
        for (int j = 0; j < kPredictionLevels; ++j)
            EXPECT_EQ(table[i][j], 0.0);
    for (int k = 0; k < kPredictionDurations; ++k)
        for (int i = 0; i < kPredictionLevelSteps; ++i)
            EXPECT_EQ(curves[k][i], 0.0);
}

TEST(Predictions, ParameterTextIsAppended)
{
    char text[128] = "X";
    FormatPredictionParameters(Prediction(), text, sizeof text);
    EXPECT_STREQ(text, "X q(%): 10  Frequenza: 4000 Hz  Livelli da   88 dBA");
    PredictionState s = Prediction();
    s.record.fractile = 0.05;
    s.record.frequency = 500;
    s.record.level = 75.4;
    text[0] = '\0';
    FormatPredictionParameters(s, text, sizeof text);
    EXPECT_STREQ(text, " q(%):  5  Frequenza: 500 Hz  Livelli da   75 dBA");
    char small[8] = "";
    FormatPredictionParameters(s, small, sizeof small);
    EXPECT_STREQ(small, " q(%): ");
}

TEST(Predictions, ReportText)
{
    std::vector<char> block(kReportTextSize, 'x');
    BuildPredictionReportOf(Prediction(), block.data(), block.size(), ";");
    EXPECT_EQ(std::string(block.data()),
              " NIPTS - Noise Induced Permanent Threshold Shift;;;;;;;\r\n"
              " q(%): ;;;10;;;;\r\n"
              "  Frequenza: ;;;4000 Hz;;;;\r\n"
              "  Livelli da ;;;  88; dBA;;;\r\n"
              "Anni;  88;  90;  92;  94;  96;  98; 100\r\n"
              " 2; 5,3; 7,0; 9,0;11,2;13,7;16,5;19,5\r\n"
              " 4; 7,7;10,3;13,2;16,5;20,1;24,1;28,5\r\n"
              " 6; 9,3;12,4;15,9;19,9;24,3;29,2;34,5\r\n"
              " 8;10,5;14,0;18,0;22,5;27,5;32,9;38,9\r\n"
              "10;11,5;15,3;19,6;24,5;30,0;35,9;42,5\r\n"
              "12;12,0;15,9;20,5;25,6;31,2;37,5;44,3\r\n"
              "14;12,4;16,5;21,2;26,5;32,3;38,8;45,8\r\n"
              "16;12,7;17,0;21,8;27,2;33,3;39,9;47,1\r\n"
              "18;13,1;17,4;22,3;27,9;34,1;40,9;48,3\r\n"
              "20;13,3;17,8;22,8;28,5;34,8;41,8;49,3\r\n"
              "22;13,6;18,1;23,3;29,0;35,5;42,6;50,3\r\n"
              "24;13,8;18,4;23,7;29,5;36,1;43,3;51,2\r\n"
              "26;14,0;18,7;24,0;30,0;36,7;44,0;51,9\r\n"
              "28;14,2;19,0;24,4;30,4;37,2;44,6;52,7\r\n"
              "30;14,4;19,2;24,7;30,8;37,7;45,2;53,4\r\n"
              "32;14,6;19,4;25,0;31,2;38,1;45,7;54,0\r\n"
              "34;14,8;19,7;25,2;31,5;38,5;46,2;54,6\r\n"
              "36;14,9;19,9;25,5;31,9;38,9;46,7;55,2\r\n"
              "38;15,1;20,1;25,8;32,2;39,3;47,2;55,7\r\n"
              "40;15,2;20,2;26,0;32,5;39,7;47,6;56,2\r\n");
}

TEST(Predictions, GlobalReportWithLongSeparator)
{
    PredictionState saved = g_predictionState;
    g_predictionState = Prediction();
    std::vector<char> block(kReportTextSize);
    BuildPredictionReport(block.data(), "--------");
    std::vector<std::string> lines = Lines(block.data());
    g_predictionState = saved;
    ASSERT_EQ(lines.size(), 5u + kPredictionTimes);
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(Count(lines[i], "--------"), 7u) << i;
    EXPECT_EQ(lines[24], "40--------15,2--------20,2--------26,0--------32,5--------39,7--------47,6"
                         "--------56,2");
}

EvolutionState Evolution(double a0)
{
    EvolutionState s = InitialEvolutionState();
    s.record.age = a0;
    return s;
}

TEST(Evolution, RowsStopAtSeventy)
{
    EXPECT_EQ(EvolutionRowCount(Evolution(18)), 20);
    EXPECT_EQ(EvolutionRowCount(Evolution(50)), 10);
    EXPECT_EQ(EvolutionRowCount(Evolution(68)), 1);
    EXPECT_EQ(EvolutionRowCount(Evolution(68.5)), 0);
    EXPECT_EQ(EvolutionRowCount(Evolution(30)), 20);
    EXPECT_EQ(EvolutionRowCount(Evolution(31)), 19);
    double values[kEvolutionTimes][kEvolutionCurves];
    values[1][0] = -1;
    EXPECT_EQ(ComputeEvolutionTable(Evolution(68), values), 1);
    EXPECT_EQ(values[1][0], -1);  // later rows untouched
}

TEST(Evolution, DamageOfHtlanWithAgeGrowingWithTheYears)
{
    EvolutionState s = Evolution(68);
    double values[kEvolutionTimes][kEvolutionCurves];
    ASSERT_EQ(ComputeEvolutionTable(s, values), 1);
    // t = 2 at age 70: 24.1, 2.6, 0.0 and 15.0 % (fractile 15 %)
    EXPECT_NEAR(values[0][0], 24.1, 0.05);
    EXPECT_NEAR(values[0][1], 2.6, 0.05);
    EXPECT_EQ(values[0][2], 0.0);
    EXPECT_NEAR(values[0][3], 15.0, 0.05);
    EXPECT_EQ(EvolutionCurveFractile(s, 0), 0.05);
    EXPECT_EQ(EvolutionCurveFractile(s, 1), 0.50);
    EXPECT_EQ(EvolutionCurveFractile(s, 2), 0.95);
    EXPECT_EQ(EvolutionCurveFractile(s, 3), 0.15);
    // A chosen 50 % draws on the 50 % curve
    s.record.fractile = 0.5;
    ComputeEvolutionTable(s, values);
    EXPECT_EQ(values[0][3], values[0][1]);
    // D(t, q) by hand: women, biological table, A0 50, 95 dBA, 20 years
    EvolutionState w = Evolution(50);
    w.record.level = 95;
    w.record.sex = 2;
    w.damageTable = kDamageTableBiological;
    EXPECT_NEAR(EvolutionDamage(w, 20, 0.05), 14.5, 0.05);
    EXPECT_NEAR(EvolutionDamage(w, 20, 0.15), 7.7, 0.05);
}

TEST(Evolution, TitleText)
{
    char text[256];
    FormatEvolutionTitle(InitialEvolutionState(), text, sizeof text);
    EXPECT_STREQ(text, " Danno (%) -  Frattile:  15 %   Leq: 90.0 dBA   Età di inizio:  18  Sesso: M"
                       "   Tabella: Nuova");
    EvolutionState s = Evolution(40);
    s.record.sex = 2;
    s.record.fractile = 0.9;
    s.record.level = 100;
    s.damageTable = kDamageTableBiological;
    FormatEvolutionTitle(s, text, sizeof text);
    EXPECT_STREQ(text, " Danno (%) -  Frattile:  90 %   Leq: 100.0 dBA   Età di inizio:  40  Sesso: F"
                       "   Tabella: Biologico");
}

TEST(ChartTitles, BrokenOnlyBetweenTheirFields)
{
    // One unit a character: each field keeps its label with its value, a
    // field wider than the line stands alone.
    auto chars = [](const std::string& text) { return (int)text.size(); };
    EXPECT_EQ(BreakTitle(" Danno (%) -  Frattile:  15 %   Leq: 90.0 dBA   Età di inizio:  18  Sesso: M"
                         "   Tabella: Biologico", 41, chars),
              (std::vector<std::string>{" Danno (%) -  Frattile:  15 %", "Leq: 90.0 dBA   Età di inizio:  18",
                                        "Sesso: M   Tabella: Biologico"}));
    EXPECT_EQ(BreakTitle(" NIPTS -  q(%): 10  Frequenza: 4000 Hz  Livelli da   88 dBA", 15, chars),
              (std::vector<std::string>{" NIPTS -", "q(%): 10", "Frequenza: 4000 Hz", "Livelli da   88 dBA"}));
}

TEST(Evolution, ReportText)
{
    std::vector<char> block(kReportTextSize, 'x');
    BuildEvolutionReportOf(InitialEvolutionState(), block.data(), block.size(), ";");
    EXPECT_EQ(std::string(block.data()),
              "Danno (%);;;;\r\n"
              " Frattile:;;; 15 %;\r\n"
              "Leq: ;;;90,0; dBA\r\n"
              "Età di inizio:;;; 18;\r\n"
              "Sesso:;;;M;\r\n"
              "   Tabella: Nuova;;;;\r\n"
              "Anni;5 %;50 %;95 %;15 %\r\n"
              " 2; 0,0; 0,0; 0,0; 0,0\r\n"
              " 4; 0,0; 0,0; 0,0; 0,0\r\n"
              " 6; 0,0; 0,0; 0,0; 0,0\r\n"
              " 8; 0,2; 0,0; 0,0; 0,0\r\n"
              "10; 0,3; 0,0; 0,0; 0,0\r\n"
              "12; 0,5; 0,0; 0,0; 0,0\r\n"
              "14; 0,8; 0,0; 0,0; 0,1\r\n"
              "16; 1,1; 0,0; 0,0; 0,1\r\n"
              "18; 1,5; 0,0; 0,0; 0,3\r\n"
              "20; 1,9; 0,0; 0,0; 0,5\r\n"
              "22; 2,6; 0,0; 0,0; 0,7\r\n"
              "24; 3,6; 0,0; 0,0; 1,0\r\n"
              "26; 4,7; 0,0; 0,0; 1,4\r\n"
              "28; 5,9; 0,0; 0,0; 1,9\r\n"
              "30; 7,5; 0,0; 0,0; 2,6\r\n"
              "32; 9,5; 0,1; 0,0; 3,3\r\n"
              "34;11,5; 0,2; 0,0; 4,4\r\n"
              "36;13,3; 0,3; 0,0; 5,6\r\n"
              "38;15,2; 0,6; 0,0; 6,8\r\n"
              "40;17,0; 0,9; 0,0; 8,5\r\n");
}

TEST(Evolution, ReportStopsWithTheTable)
{
    EvolutionState saved = g_evolutionState;
    g_evolutionState = Evolution(68);
    g_evolutionState.damageTable = kDamageTableOld;
    std::vector<char> block(kReportTextSize);
    BuildEvolutionReport(block.data(), ";");
    g_evolutionState = saved;
    std::vector<std::string> lines = Lines(block.data());
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[5], "   Tabella: Vecchia;;;;");
    EXPECT_EQ(lines[7].substr(0, 3), " 2;");
}

}  // namespace
