#include "iso1999/evolution_views.h"

#include <cstdio>

#include "framework/number_text.h"
#include "iso1999/chart_frame.h"
#include "iso1999/chart_labels.h"
#include "iso1999/evolution.h"
#include "iso1999/table_view.h"
#include "iso1999/view_text.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);

enum { kEvolutionRows = 10, kLabelSize = 24 };

const char* const kDamageLabels[kEvolutionRows] = {"5", "10", "15", "20", "25", "30", "35", "40", "45", "50"};

// The user's fractile in percent and a unit: "%3.0f" + " %" in the legend,
// "%2.0f" + " %" in the table's header, "%2.0f" + "%" in the popup.
void ChosenFractileName(const char* format, const char* unit, char* out, size_t capacity)
{
    out[0] = '\0';
    AppendNumber(out, capacity, format, g_evolutionState.record.fractile * 100.0);
    AppendText(out, capacity, unit);
}

int EvolutionCurveNames(int kind, char names[][kCurveNameSize])
{
    static const char* const kFixed[3] = {" 5%", "50%", "95%"};
    if (kind != kKindGraph)
        return 0;
    for (int c = 0; c < 3; ++c)
        snprintf(names[c], kCurveNameSize, "%s", kFixed[c]);
    ChosenFractileName("%2.0f", "%", names[3], kCurveNameSize);
    return kEvolutionCurves;
}

}  // namespace

void DrawEvolutionTable(HDC dc, const RECT* area)
{
    RECT r = ShrinkTableArea(*area);
    TableWriter out = TableWriterFor(dc, r, (r.right - r.left) / 5, (r.bottom - r.top) / 24);
    const EvolutionState& state = g_evolutionState;
    char text[kShownNumberSize + 160];
    FormatEvolutionTitle(state, text, sizeof text);
    out.Across(2, text);

    static const char* const kHeader[3] = {"5 %", "50 %", "95 %"};
    out.At(0, 3, "Anni", kRed);
    for (int c = 0; c < 3; ++c)
        out.At(1 + c, 3, kHeader[c], kRed);
    ChosenFractileName("%2.0f", " %", text, sizeof text);
    out.At(4, 3, text, kRed);

    double values[kEvolutionTimes][kEvolutionCurves];
    int rows = ComputeEvolutionTable(state, values);
    for (int i = 0; i < rows; ++i)
        out.NumberRow(4 + i, 2.0 * (i + 1), values[i], kEvolutionCurves, kRed);
}

void DrawEvolutionChart(HDC dc, const RECT* area)
{
    ChartBands b = LayoutChart(*area);
    DrawGrid(dc, b.plot, kEvolutionTimes, kEvolutionRows);
    DrawXLabels(dc, b.xLabels, kYearLabels, kEvolutionTimes);
    DrawYLabels(dc, b.yLabels, kDamageLabels, kEvolutionRows);
    DrawAxes(dc, b.plot);
    DrawXTitle(dc, b.xTitle, "Y");
    DrawYTitle(dc, b.yTitle, "Danno (%)");
    char title[kShownNumberSize + 160];
    FormatEvolutionTitle(g_evolutionState, title, sizeof title);
    DrawChartTitle(dc, b.title, title);

    char chosen[kLabelSize];
    ChosenFractileName("%3.0f", " %", chosen, sizeof chosen);
    const char* names[kEvolutionCurves] = {"5 %", "50 %", "95 %", chosen};
    CurvePens pens;
    CreateCurvePens(&pens, kSevenPens);
    DrawLegend(dc, b.legend, pens, names, kEvolutionCurves, ShownCurve(kEvolutionCurves));

    // Drawn in the order of the fractiles: the user's own comes last, over
    // a fixed one it equals.
    double values[kEvolutionTimes][kEvolutionCurves];
    int rows = ComputeEvolutionTable(g_evolutionState, values);
    int step = (b.plot.right - b.plot.left) / kEvolutionTimes;
    int x[kEvolutionTimes];
    for (int i = 0; i < kEvolutionTimes; ++i)
        x[i] = b.plot.left + (i + 1) * step;
    DrawScaledCurves(dc, pens, b.plot, kScaleDamage5, kEvolutionCurves, x, rows,
                     [&values](int c, int i) { return values[i][c]; });
    DeleteCurvePens(&pens);
}

const ChartViewSet kEvolutionChartViews = {
    {{DrawEvolutionTable, "&Tabella", "Tabella"}, {DrawEvolutionChart, "&Grafico", "Grafico"}, {nullptr, nullptr, nullptr}},
    BuildEvolutionReport,
    EvolutionCurveNames,
};
