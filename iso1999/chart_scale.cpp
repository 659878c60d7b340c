#include "iso1999/chart_scale.h"

#include <cmath>

int ScaleRows(ChartScale scale)
{
    return scale == kScaleHearingLoss ? 12 : 10;
}

int RowHeight(int plotTop, int plotBottom, int rows)
{
    if (rows < 1 || plotBottom <= plotTop)
        return 0;
    return (plotBottom - plotTop) / rows;
}

// Rows above the plot bottom of a value.
static double RowsOf(ChartScale scale, double value)
{
    switch (scale) {
    case kScaleHearingLoss: return (100.0 - value) / 10.0;
    case kScaleDb: return value / 10.0 + 2.0;
    case kScaleDamage5: return 0.2 * value;
    case kScaleDamage25: return 0.4 * value;
    }
    return 0.0;
}

double ScaledY(ChartScale scale, double value, int plotTop, int plotBottom)
{
    const double kFar = 1e9;
    int h = RowHeight(plotTop, plotBottom, ScaleRows(scale));
    double y = std::floor(plotBottom - RowsOf(scale, value) * h);
    if (std::isnan(y))
        return plotBottom;
    if (y < plotTop - kFar)
        return plotTop - kFar;
    if (y > plotBottom + kFar)
        return plotBottom + kFar;
    return y;
}

int ScaleY(ChartScale scale, double value, int plotTop, int plotBottom)
{
    // Clamped while still a double: the conversion of a value far off the
    // scale to int would be undefined.
    double y = ScaledY(scale, value, plotTop, plotBottom);
    if (y > plotBottom)
        return plotBottom;
    if (y < plotTop)
        return plotTop;
    return (int)y;
}

// Moves (x, y) along the segment towards (ox, oy) to the row edge.
static void MoveToEdge(double* x, double* y, double ox, double oy, double edge)
{
    *x += (ox - *x) * (edge - *y) / (oy - *y);
    *y = edge;
}

bool ClipToPlotRows(double* x0, double* y0, double* x1, double* y1, double top, double bottom)
{
    if ((*y0 < top && *y1 < top) || (*y0 > bottom && *y1 > bottom))
        return false;
    double ox = *x0, oy = *y0;
    if (*y0 < top)
        MoveToEdge(x0, y0, *x1, *y1, top);
    else if (*y0 > bottom)
        MoveToEdge(x0, y0, *x1, *y1, bottom);
    if (*y1 < top)
        MoveToEdge(x1, y1, ox, oy, top);
    else if (*y1 > bottom)
        MoveToEdge(x1, y1, ox, oy, bottom);
    return true;
}

int AudiogramDecade(int plotWidth)
{
    if (plotWidth <= 0)
        return 0;
    return (int)(plotWidth / std::log10(24.0));
}

int AudiogramX(int frequency, int decade)
{
    if (frequency <= 0)
        return 0;
    return (int)((std::log10((double)frequency) - std::log10(250.0)) * decade);
}
