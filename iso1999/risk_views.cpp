#include "iso1999/risk_views.h"

#include <cstdio>

#include "framework/number_text.h"
#include "iso1999/chart_frame.h"
#include "iso1999/chart_labels.h"
#include "iso1999/risk.h"
#include "iso1999/table_view.h"
#include "iso1999/view_text.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);

enum { kRiskCurves = 3, kRiskSegmentCurve = 2, kRiskColumns = 19 };

const char* const kCurveNames[kRiskCurves] = {"non esposti", "esposti", "rischio"};
const char* const kDamageLabels[10] = {"2.5",  "5",  "7.5",  "10", "12.5",
                                       "15",   "17.5", "20", "22.5", "25"};

// x of the fractile p % on a plot of 19 columns.
int FractileX(const RECT& plot, int percent)
{
    int column = (plot.right - plot.left) / kRiskColumns;
    return plot.left + percent * column / 5;
}

int RiskCurveNames(int kind, char names[][kCurveNameSize])
{
    if (kind != kKindGraph)
        return 0;
    for (int i = 0; i < kRiskCurves; ++i)
        snprintf(names[i], kCurveNameSize, "%s", kCurveNames[i]);
    return kRiskCurves;
}

}  // namespace

void DrawRiskTable(HDC dc, const RECT* area)
{
    RECT r = ShrinkTableArea(*area);
    TableWriter out = TableWriterFor(dc, r, r.right - r.left, (r.bottom - r.top) / 25);
    const RiskState& state = g_riskState;
    out.Across(1, " Rischio di danno (in %) dovuto all'esposizione al rumore");
    char text[256];
    FormatRiskParameters(state, false, text, sizeof text);
    out.Across(2, text);

    RiskPercentages p = RiskPercentagesOf(ScanRisk(state.record, state.criterion));
    const double values[3] = {p.nonExposed, p.exposed, p.noise};
    for (int i = 0; i < 3; ++i) {
        out.At(0, 4 + 2 * i, kRiskShareLabels[i], kRed);
        FormatNumber(text, sizeof text, "%5.1f", values[i]);
        out.At(0, 5 + 2 * i, text);
    }
}

void DrawRiskChart(HDC dc, const RECT* area)
{
    const RiskState& state = g_riskState;
    bool decibels = RiskCriterionInDecibels(state.criterion);
    ChartScale scale = decibels ? kScaleDb : kScaleDamage25;
    ChartBands b = LayoutChart(*area);
    DrawGrid(dc, b.plot, kRiskColumns, 10);
    DrawXLabels(dc, b.xLabels, kFractilePercentLabels, kRiskColumns);
    DrawYLabels(dc, b.yLabels, decibels ? kDbLabels : kDamageLabels, 10);
    DrawAxes(dc, b.plot);
    DrawXTitle(dc, b.xTitle, "q (%)");
    DrawYTitle(dc, b.yTitle, decibels ? "dB" : "Danno (%)");
    char title[320];
    FormatRiskChartTitle(state, title, sizeof title);
    DrawChartTitle(dc, b.title, title);
    CurvePens pens;
    CreateCurvePens(&pens, kShortPens);
    int shown = ShownCurve(kRiskCurves);
    DrawLegend(dc, b.legend, pens, kCurveNames, kRiskCurves, shown);

    // The criterion's line, in the pen the device context has.
    int line = ScaleY(scale, RiskCriterionLine(state.criterion), b.plot.top, b.plot.bottom);
    MoveToEx(dc, b.plot.left, line, nullptr);
    LineTo(dc, b.plot.right, line);

    if (shown != kRiskSegmentCurve) {
        RiskCurves curves;
        ComputeRiskCurves(state.record, state.criterion, &curves);
        int x[kRiskScanPoints];
        for (int i = 0; i < kRiskScanPoints; ++i)
            x[i] = FractileX(b.plot, 5 + i);
        // Curve 0 the non-exposed group, 1 the exposed; a selection of
        // the segment alone has left this out.
        DrawScaledCurves(dc, pens, b.plot, scale, 2, x, kRiskScanPoints, [&curves](int k, int i) {
            return k == 0 ? curves.nonExposed[i] : curves.exposed[i];
        });
    }
    if (shown < 0 || shown == kRiskSegmentCurve) {
        RiskSegment segment = ComputeRiskSegment(state.record, state.criterion);
        if (segment.shown) {
            double y = ScaledY(scale, segment.value, b.plot.top, b.plot.bottom);
            const int x[2] = {FractileX(b.plot, segment.fromPercent), FractileX(b.plot, segment.toPercent)};
            const double ys[2] = {y, y};
            DrawClippedCurve(dc, pens.pen[kRiskSegmentCurve], b.plot, x, ys, 2);
        }
    }
    DeleteCurvePens(&pens);
}

const ChartViewSet kRiskChartViews = {
    // The table's print job is called "Grafico" too.
    {{DrawRiskTable, "&Tabella", "Grafico"}, {DrawRiskChart, "&Grafico", "Grafico"}, {nullptr, nullptr, nullptr}},
    BuildRiskReport,
    RiskCurveNames,
};
