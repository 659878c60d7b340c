#include "iso1999/shift_views.h"

#include <cstdio>

#include "framework/number_text.h"
#include "iso1999/chart_frame.h"
#include "iso1999/chart_labels.h"
#include "iso1999/chart_scale.h"
#include "iso1999/curve_selection.h"
#include "iso1999/shift.h"
#include "iso1999/table_view.h"
#include "iso1999/view_text.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 128, 0);

const char* const kFrequencyNames[kEarFrequencies] = {"500 Hz",  "1000 Hz", "2000 Hz",
                                                      "3000 Hz", "4000 Hz", "6000 Hz"};
const char* const kFractileNames[kAudiogramFractiles] = {"5%", "20%", "35%", "50%", "65%", "80%", "95%"};
const char* const kLossLabels[12] = {"- 90", "- 80", "- 70", "- 60", "- 50", "- 40",
                                     "- 30", "- 20", "- 10", "0",    "10",   "20"};
// The frame both charts share: labels, axes, titles and the legend.
void DrawShiftFrame(HDC dc, const ChartBands& b, const char* xTitle, const CurvePens& pens,
                    const char* const* names, int curves)
{
    DrawYLabels(dc, b.yLabels, kLossLabels, 12);
    DrawAxes(dc, b.plot);
    DrawXTitle(dc, b.xTitle, xTitle);
    DrawYTitle(dc, b.yTitle, "dB");
    char title[256];
    FormatShiftChartTitle(g_shiftState, title, sizeof title);
    DrawChartTitle(dc, b.title, title);
    DrawLegend(dc, b.legend, pens, names, curves, ShownCurve(curves));
}

int ShiftCurveNames(int kind, char names[][kCurveNameSize])
{
    static const char* const kGraph[kEarFrequencies] = {" 500 Hz", "1000 Hz", "2000 Hz",
                                                        "3000 Hz", "4000 Hz", "6000 Hz"};
    static const char* const kAudiogram[kAudiogramFractiles] = {" 5%", "20%", "35%", "50%",
                                                                "65%", "80%", "95%"};
    const char* const* source = kind == kKindGraph ? kGraph : kAudiogram;
    int count = kind == kKindGraph ? kEarFrequencies : kind == kKindSecond ? kAudiogramFractiles : 0;
    for (int i = 0; i < count; ++i)
        snprintf(names[i], kCurveNameSize, "%s", source[i]);
    return count;
}

}  // namespace

void DrawShiftTable(HDC dc, const RECT* area)
{
    RECT r = ShrinkTableArea(*area);
    TableWriter out = TableWriterFor(dc, r, (r.right - r.left) / 9, (r.bottom - r.top) / 25);

    const ShiftState& state = g_shiftState;
    out.Across(1, ShiftQuantityTitle(state.quantity));
    char text[kShownNumberSize + 8];
    FormatShiftParameters(state, text, sizeof text);
    out.Across(2, text);

    ShiftTable table;
    ComputeShiftTable(state, &table);
    out.At(0, 3, "q (%)", kRed);
    for (int f = 0; f < kEarFrequencies; ++f)
        out.At(1 + f, 3, kFrequencyNames[f], kRed);
    if (table.withDamage)
        out.At(7, 3, "Danno (%)", kRed);
    for (int i = 0; i < kShiftFractiles; ++i) {
        const ShiftRow& row = table.rows[i];
        out.NumberRow(4 + i, row.fractile * 100.0, row.values, kEarFrequencies, kRed);
        if (table.withDamage) {
            FormatNumber(text, sizeof text, "%4.1f", row.damage);
            if (row.marked)
                AppendText(text, sizeof text, " *");
            out.At(7, 4 + i, text, kGreen);
        }
    }
}

void DrawShiftByFractile(HDC dc, const RECT* area)
{
    ChartBands b = LayoutChart(*area);
    DrawGrid(dc, b.plot, kShiftFractiles, 12);
    DrawXLabels(dc, b.xLabels, kFractilePercentLabels, kShiftFractiles);
    CurvePens pens;
    CreateCurvePens(&pens, kSevenPens);
    DrawShiftFrame(dc, b, "q (%)", pens, kFrequencyNames, kEarFrequencies);

    ShiftTable table;
    ComputeShiftTable(g_shiftState, &table);
    int step = (b.plot.right - b.plot.left) / kShiftFractiles;
    int x[kShiftFractiles];
    for (int i = 0; i < kShiftFractiles; ++i)
        x[i] = b.plot.left + (i + 1) * step;
    DrawScaledCurves(dc, pens, b.plot, kScaleHearingLoss, kEarFrequencies, x, kShiftFractiles,
                     [&table](int f, int i) { return table.rows[i].values[f]; });
    DeleteCurvePens(&pens);
}

void DrawShiftAudiogram(HDC dc, const RECT* area)
{
    ChartBands b = LayoutChart(*area);
    int x[kAudiogramLines];
    DrawAudiogramFrame(dc, b.plot, b.xLabels, 12, x);
    CurvePens pens;
    CreateCurvePens(&pens, kSevenPens);
    DrawShiftFrame(dc, b, "f (Hz)", pens, kFractileNames, kAudiogramFractiles);

    double values[kAudiogramFractiles][kEarFrequencies];
    ComputeShiftAudiogram(g_shiftState, values);
    for (int f = 0; f < kAudiogramLines; ++f)
        x[f] += b.plot.left;
    DrawScaledCurves(dc, pens, b.plot, kScaleHearingLoss, kAudiogramFractiles, x, kEarFrequencies,
                     [&values](int i, int f) { return values[i][f]; });
    DeleteCurvePens(&pens);
}

const ChartViewSet kShiftChartViews = {
    {{DrawShiftTable, "&Tabella", "Tabella"},
     {DrawShiftByFractile, "&Grafico", "Grafico"},
     {DrawShiftAudiogram, "&Audiogramma", "Audiogramma"}},
    BuildShiftReport,
    ShiftCurveNames,
};
