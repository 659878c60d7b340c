#pragma once
// The frame every ISO 1999 chart shares: a title band, a legend band, a plot
// with its grey grid and axes, value labels along both axes and two axis
// titles, drawn with plain GDI into any device context and rectangle (the
// main window when painting, a page when printing, a bitmap in the tests).
// The caller selects the font and text colour and sets transparent
// background mode; these routines leave the device context as they found it.

#include <windows.h>

#include <vector>

#include "iso1999/chart_scale.h"
#include "iso1999/curve_selection.h"

const COLORREF kChartGrey = RGB(128, 128, 128);

// The seven bands of a chart rectangle R. Following the layout's rule, the
// right and bottom coordinates of R serve as its width W and height H.
struct ChartBands {
    RECT title;    // x0, y0 .. W, y0 + H/24
    RECT legend;   // x0 + W/8, y0 + H/24 .. W - W/8, y0 + H/12
    RECT plot;     // x0 + W/8, y0 + H/8 .. W - W/8, H - H/8
    RECT xLabels;  // under the plot, down to H - H/12
    RECT yLabels;  // left of the plot
    RECT xTitle;   // right of the x labels
    RECT yTitle;   // above the y labels, below the legend
};

ChartBands LayoutChart(const RECT& r);

// Grey 1-unit lines: columns vertical and rows horizontal, grid line 0
// being the axis itself. A plot smaller than its columns or rows puts every
// line on the axes.
void DrawGrid(HDC dc, const RECT& plot, int columns, int rows);

// The grey 2-unit axes: left side and bottom of the plot.
void DrawAxes(HDC dc, const RECT& plot);

// Label i centred under vertical grid line i + 1 / right-aligned beside
// horizontal grid line i + 1, in grey.
void DrawXLabels(HDC dc, const RECT& band, const char* const* labels, int count);
void DrawYLabels(HDC dc, const RECT& band, const char* const* labels, int count);

// Axis titles in grey: the x title centred, the y title right-aligned.
void DrawXTitle(HDC dc, const RECT& band, const char* text);
void DrawYTitle(HDC dc, const RECT& band, const char* text);

// The chart title centred in its band in the current text colour. A title
// wider than the band is broken between its fields (BreakTitle), and shrunk
// when a field is still wider or the lines taller than the band, so that all
// of it is shown, each label beside its value (long titles on paper).
void DrawChartTitle(HDC dc, const RECT& band, const char* text);

// A line of text from (x, y), in a smaller font when it is wider than width,
// so that all of it shows (the tables' long lines on paper).
void DrawFittedLine(HDC dc, int x, int y, int width, const char* text);

enum { kSevenPens = 7, kShortPens = 3 };

// The curve pens, solid, 2 units: the seven-pen set (magenta, blue, green,
// black, yellow, cyan, red) or the short set (magenta, blue, red); all black
// when the colour flag of the printing service is off.
struct CurvePens {
    HPEN pen[kSevenPens];
    int count;
};

// count 7 gives the seven-pen set, any other count the short set.
void CreateCurvePens(CurvePens* pens, int count);
void DeleteCurvePens(CurvePens* pens);

// One cell per curve: a line in the curve's pen across the cell top and the
// label in grey at the cell bottom. With shown >= 0 only that cell is drawn,
// at its own place.
void DrawLegend(HDC dc, const RECT& band, const CurvePens& pens, const char* const* labels,
                int count, int shown);

enum { kAudiogramLines = 6 };

// The audiogram's frame: vertical grey lines at 500 .. 6000 Hz on a
// logarithmic axis from 250 Hz (plot left) to 6000 Hz (plot right), their
// labels in the x-label band in the current text colour, and rows grey
// horizontal lines. Writes the six x positions, relative to the plot left.
void DrawAudiogramFrame(HDC dc, const RECT& plot, const RECT& xLabels, int rows,
                        int positions[kAudiogramLines]);

// A polyline in the pen through (x[j], y[j]) cut to the plot's rows: where
// it leaves the plot it stops at the edge, at its own slope, and goes on
// where it comes back. The device context's pen is restored afterwards.
void DrawClippedCurve(HDC dc, HPEN pen, const RECT& plot, const int* x, const double* y, int count);

// The curves of a chart on a value scale, or only the one the selected curve
// shows: curve k in pen k through the points (x[j], the y of valueOf(k, j)),
// j = 0 .. points - 1, x in device units, clipped to the plot.
template <typename ValueOf>
void DrawScaledCurves(HDC dc, const CurvePens& pens, const RECT& plot, ChartScale scale, int curves,
                      const int* x, int points, ValueOf valueOf)
{
    int shown = ShownCurve(curves);
    std::vector<double> y(points > 0 ? points : 0);
    for (int k = 0; k < curves && k < pens.count; ++k) {
        if (shown >= 0 && k != shown)
            continue;
        for (int j = 0; j < points; ++j)
            y[j] = ScaledY(scale, valueOf(k, j), plot.top, plot.bottom);
        DrawClippedCurve(dc, pens.pen[k], plot, x, y.data(), points);
    }
}
