// Not a test: how long each chart painter takes to repaint a 1280 x 1024 DIB
// section, as the main window's paint does (background, "Courier New" -12,
// transparent text). Run by tools/bench-charts.sh; prints the median of
// each painter over the runs.
//
//   chart_bench.exe [RUNS]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "iso1999/curve_selection.h"
#include "iso1999/evolution.h"
#include "iso1999/evolution_views.h"
#include "iso1999/prediction_views.h"
#include "iso1999/predictions.h"
#include "iso1999/risk.h"
#include "iso1999/risk_views.h"
#include "iso1999/shift.h"
#include "iso1999/shift_views.h"
#include "tests/gui/dib_canvas.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * (double)(to.QuadPart - from.QuadPart) / (double)frequency.QuadPart;
}

double MedianPaint(gui::Canvas& canvas, ViewPainter painter, int runs)
{
    const RECT area = {0, 29, canvas.width(), canvas.height()};
    HBRUSH background = GetSysColorBrush(COLOR_WINDOW);
    SetBkMode(canvas.dc(), TRANSPARENT);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        FillRect(canvas.dc(), &area, background);
        painter(canvas.dc(), &area);
        GdiFlush();
        QueryPerformanceCounter(&end);
        times.push_back(Milliseconds(start, end));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = argc > 1 ? atoi(argv[1]) : 200;
    if (runs < 1)
        runs = 1;
    gui::Canvas canvas(1280, 1024, RGB(255, 255, 255), "Courier New", -12);
    struct Case {
        const char* name;
        int quantity;
        ViewPainter painter;
    } cases[] = {
        {"HTLAN Tabella", kQuantityHtlan, DrawShiftTable},
        {"HTLAN Grafico", kQuantityHtlan, DrawShiftByFractile},
        {"HTLAN Audiogramma", kQuantityHtlan, DrawShiftAudiogram},
        {"NIPTS Tabella", kQuantityNipts, DrawShiftTable},
        {"NIPTS Grafico", kQuantityNipts, DrawShiftByFractile},
        {"NIPTS Audiogramma", kQuantityNipts, DrawShiftAudiogram},
    };
    SelectCurve(kAllCurves);
    printf("median of %d paints into a 1280 x 1024 DIB section\n", runs);
    for (const Case& c : cases) {
        g_shiftState = InitialShiftState();
        g_shiftState.quantity = c.quantity;
        printf("%-20s %8.3f ms\n", c.name, MedianPaint(canvas, c.painter, runs));
    }
    // The other chart calculators from their first inputs; the risk graph
    // (three scans of the model a paint) with a dB and a damage criterion.
    struct Other {
        const char* name;
        int criterion;
        ViewPainter painter;
    } others[] = {
        {"Rischio Tabella", kCriterionIso1999_90, DrawRiskTable},
        {"Rischio Grafico dB", kCriterionIso1999_90, DrawRiskChart},
        {"Rischio Grafico %", kCriterionBiological6, DrawRiskChart},
        {"Previsioni Tabella", 0, DrawPredictionTable},
        {"Perdite-Tempo", 0, DrawLossVersusTime},
        {"Perdite-Livello", 0, DrawLossVersusLevel},
        {"Evoluzione Tabella", 0, DrawEvolutionTable},
        {"Evoluzione Grafico", 0, DrawEvolutionChart},
    };
    g_predictionState = InitialPredictionState();
    g_evolutionState = InitialEvolutionState();
    for (const Other& c : others) {
        g_riskState = InitialRiskState();
        if (c.criterion)
            g_riskState.criterion = c.criterion;
        printf("%-20s %8.3f ms\n", c.name, MedianPaint(canvas, c.painter, runs));
    }
    return 0;
}
