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

// "  88 dBA", ... the levels Ls + 2k of the loss-versus-time curves.
void LevelNames(const PredictionState& state, char names[kPredictionLevels][kLabelSize])
{
    for (int k = 0; k < kPredictionLevels; ++k) {
        names[k][0] = '\0';
        AppendNumber(names[k], kLabelSize, "%4.0f", state.record.level + 2.0 * k);
        AppendText(names[k], kLabelSize, " dBA");
    }
}

// Both charts: the dB scale of 10 rows, the title, the legend.
void DrawPredictionFrame(HDC dc, const ChartBands& b, int columns, const char* xTitle,
                         const CurvePens& pens, const char* const* names)
{
    DrawGrid(dc, b.plot, columns, 10);
    DrawYLabels(dc, b.yLabels, kDbLabels, 10);
    DrawAxes(dc, b.plot);
    DrawXTitle(dc, b.xTitle, xTitle);
    DrawYTitle(dc, b.yTitle, "dB");
    char title[160] = " NIPTS - ";
    FormatPredictionParameters(g_predictionState, title, sizeof title);
    DrawChartTitle(dc, b.title, title);
    DrawLegend(dc, b.legend, pens, names, kPredictionLevels, ShownCurve(kPredictionLevels));
}

// x of grid lines 1 .. count.
void GridLines(const RECT& plot, int columns, int* x, int count)
{
    int step = (plot.right - plot.left) / columns;
    for (int i = 0; i < count; ++i)
        x[i] = plot.left + (i + 1) * step;
}

int PredictionCurveNames(int kind, char names[][kCurveNameSize])
{
    static const char* const kDurations[kPredictionDurations] = {" 5 anni", "10 anni", "15 anni", "20 anni",
                                                                 "25 anni", "30 anni", "35 anni"};
    if (kind == kKindGraph) {
        char levels[kPredictionLevels][kLabelSize];
        LevelNames(g_predictionState, levels);
        for (int k = 0; k < kPredictionLevels; ++k)
            snprintf(names[k], kCurveNameSize, "%s", levels[k]);
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
    for (int j = 0; j < kPredictionLevels; ++j) {
        FormatNumber(text, sizeof text, "%4.0f", state.record.level + 2.0 * j);
        out.At(1 + j, 3, text, kRed);
    }
    double values[kPredictionTimes][kPredictionLevels];
    ComputePredictionTable(state, values);
    for (int i = 0; i < kPredictionTimes; ++i) {
        FormatNumber(text, sizeof text, "%2.0f", 2.0 * (i + 1));
        out.At(0, 4 + i, text, kRed);
        for (int j = 0; j < kPredictionLevels; ++j) {
            FormatNumber(text, sizeof text, "%4.1f", values[i][j]);
            out.At(1 + j, 4 + i, text);
        }
    }
}

void DrawLossVersusTime(HDC dc, const RECT* area)
{
    ChartBands b = LayoutChart(*area);
    DrawXLabels(dc, b.xLabels, kYearLabels, kPredictionTimes);
    char levels[kPredictionLevels][kLabelSize];
    LevelNames(g_predictionState, levels);
    const char* names[kPredictionLevels];
    for (int k = 0; k < kPredictionLevels; ++k)
        names[k] = levels[k];
    CurvePens pens;
    CreateCurvePens(&pens, kSevenPens);
    DrawPredictionFrame(dc, b, kPredictionTimes, "Y  ", pens, names);

    double values[kPredictionTimes][kPredictionLevels];
    ComputePredictionTable(g_predictionState, values);
    int x[kPredictionTimes];
    GridLines(b.plot, kPredictionTimes, x, kPredictionTimes);
    DrawScaledCurves(dc, pens, b.plot, kScaleDb, kPredictionLevels, x, kPredictionTimes,
                     [&values](int k, int i) { return values[i][k]; });
    DeleteCurvePens(&pens);
}

void DrawLossVersusLevel(HDC dc, const RECT* area)
{
    ChartBands b = LayoutChart(*area);
    char levels[kPredictionLevelSteps][kLabelSize];
    const char* labels[kPredictionLevelSteps];
    for (int i = 0; i < kPredictionLevelSteps; ++i) {
        levels[i][0] = '\0';
        AppendNumber(levels[i], kLabelSize, "%4.0f", g_predictionState.record.level + i);
        labels[i] = levels[i];
    }
    DrawXLabels(dc, b.xLabels, labels, kPredictionLevelSteps);
    CurvePens pens;
    CreateCurvePens(&pens, kSevenPens);
    DrawPredictionFrame(dc, b, kPredictionLevelSteps, "dBA  ", pens, kDurationNames);

    double values[kPredictionDurations][kPredictionLevelSteps];
    ComputeLossVersusLevel(g_predictionState, values);
    int x[kPredictionLevelSteps];
    GridLines(b.plot, kPredictionLevelSteps, x, kPredictionLevelSteps);
    DrawScaledCurves(dc, pens, b.plot, kScaleDb, kPredictionDurations, x, kPredictionLevelSteps,
                     [&values](int k, int i) { return values[k][i]; });
    DeleteCurvePens(&pens);
}

const ChartViewSet kPredictionChartViews = {
    {{DrawPredictionTable, "&Tabella", "Tabella"},
     {DrawLossVersusTime, "&Perdite-Tempo", "Grafico"},
     {DrawLossVersusLevel, "Perdite-&Livello", "Grafico"}},
    BuildPredictionReport,
    PredictionCurveNames,
};
