#include "iso1999/prediction_views.h"

#include <cstdio>

#include "framework/number_text.h"
#include "iso1999/chart_frame.h"
#include "iso1999/chart_labels.h"
#include "iso1999/predictions.h"
#include "iso1999/shift.h"
#include "iso1999/table_view.h"
#include "iso1999/view_text.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);

enum { kLabelSize = 24 };

const char* const kDurationNames[kPredictionDurations] = {"5 anni",  "10 anni", "15 anni", "20 anni",
                                                          "25 anni", "30 anni", "35 anni"};

// The levels Ls, Ls + step, ... as "%4.0f" followed by a unit, and
// pointers to them for the label and legend routines.
struct LevelTexts {
    char text[kPredictionLevelSteps][kLabelSize];
    const char* shown[kPredictionLevelSteps];

    LevelTexts(double step, int count, const char* unit)
    {
        for (int i = 0; i < count && i < kPredictionLevelSteps; ++i) {
            text[i][0] = '\0';
            AppendNumber(text[i], kLabelSize, "%4.0f", g_predictionState.record.level + step * i);
            AppendText(text[i], kLabelSize, unit);
            shown[i] = text[i];
        }
    }
};

// Both charts: the dB scale of 10 rows, points (at most 20) on the grid
// lines 1 .. points, seven curves in the seven pens with their legend.
template <typename ValueOf>
void DrawPredictionChart(HDC dc, const RECT* area, const char* const* xLabels, int points,
                         const char* xTitle, const char* const* names, ValueOf valueOf)
{
    ChartBands b = LayoutChart(*area);
    DrawGrid(dc, b.plot, points, 10);
    DrawXLabels(dc, b.xLabels, xLabels, points);
    DrawYLabels(dc, b.yLabels, kDbLabels, 10);
    DrawAxes(dc, b.plot);
    DrawXTitle(dc, b.xTitle, xTitle);
    DrawYTitle(dc, b.yTitle, "dB");
    char title[160] = " NIPTS - ";
    FormatPredictionParameters(g_predictionState, title, sizeof title);
    DrawChartTitle(dc, b.title, title);
    CurvePens pens;
    CreateCurvePens(&pens, kSevenPens);
    DrawLegend(dc, b.legend, pens, names, kSevenPens, ShownCurve(kSevenPens));
    int x[kPredictionTimes];
    if (points > kPredictionTimes)
        points = kPredictionTimes;
    int step = (b.plot.right - b.plot.left) / points;
    for (int i = 0; i < points; ++i)
        x[i] = b.plot.left + (i + 1) * step;
    DrawScaledCurves(dc, pens, b.plot, kScaleDb, kSevenPens, x, points, valueOf);
    DeleteCurvePens(&pens);
}

int PredictionCurveNames(int kind, char names[][kCurveNameSize])
{
    static const char* const kDurations[kPredictionDurations] = {" 5 anni", "10 anni", "15 anni", "20 anni",
                                                                 "25 anni", "30 anni", "35 anni"};
    if (kind == kKindGraph) {
        LevelTexts levels(2.0, kPredictionLevels, " dBA");
        for (int k = 0; k < kPredictionLevels; ++k)
            snprintf(names[k], kCurveNameSize, "%s", levels.text[k]);
        return kPredictionLevels;
    }
    if (kind == kKindSecond) {
        for (int k = 0; k < kPredictionDurations; ++k)
            snprintf(names[k], kCurveNameSize, "%s", kDurations[k]);
        return kPredictionDurations;
    }
    return 0;
}

}  // namespace

void DrawPredictionTable(HDC dc, const RECT* area)
{
    RECT r = ShrinkTableArea(*area);
    // The column and the line follow the right and bottom coordinates.
    TableWriter out = TableWriterFor(dc, r, r.right / 10, r.bottom / 43);
    const PredictionState& state = g_predictionState;
    out.Across(1, ShiftQuantityTitle(kQuantityNipts));
    char text[kShownNumberSize + 96] = "";
    FormatPredictionParameters(state, text, sizeof text);
    out.Across(2, text);

    out.At(0, 3, "Anni", kRed);
    LevelTexts levels(2.0, kPredictionLevels, "");
    for (int j = 0; j < kPredictionLevels; ++j)
        out.At(1 + j, 3, levels.text[j], kRed);
    double values[kPredictionTimes][kPredictionLevels];
    ComputePredictionTable(state, values);
    for (int i = 0; i < kPredictionTimes; ++i)
        out.NumberRow(4 + i, 2.0 * (i + 1), values[i], kPredictionLevels, kRed);
}

void DrawLossVersusTime(HDC dc, const RECT* area)
{
    double values[kPredictionTimes][kPredictionLevels];
    ComputePredictionTable(g_predictionState, values);
    LevelTexts levels(2.0, kPredictionLevels, " dBA");
    DrawPredictionChart(dc, area, kYearLabels, kPredictionTimes, "Y  ", levels.shown,
                        [&values](int k, int i) { return values[i][k]; });
}

void DrawLossVersusLevel(HDC dc, const RECT* area)
{
    double values[kPredictionDurations][kPredictionLevelSteps];
    ComputeLossVersusLevel(g_predictionState, values);
    LevelTexts levels(1.0, kPredictionLevelSteps, "");
    DrawPredictionChart(dc, area, levels.shown, kPredictionLevelSteps, "dBA  ", kDurationNames,
                        [&values](int k, int i) { return values[k][i]; });
}

const ChartViewSet kPredictionChartViews = {
    {{DrawPredictionTable, "&Tabella", "Tabella"},
     {DrawLossVersusTime, "&Perdite-Tempo", "Grafico"},
     {DrawLossVersusLevel, "Perdite-&Livello", "Grafico"}},
    BuildPredictionReport,
    PredictionCurveNames,
};
