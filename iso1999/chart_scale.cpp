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

int ScaleY(ChartScale scale, double value, int plotTop, int plotBottom)
{
    int h = RowHeight(plotTop, plotBottom, ScaleRows(scale));
    double y = std::floor(plotBottom - RowsOf(scale, value) * h);
    // Clamped while still a double: the conversion of a value far off the
    // scale to int would be undefined.
    if (!(y <= plotBottom))
        return y < plotTop ? plotTop : plotBottom;
    if (y < plotTop)
        return plotTop;
    return (int)y;
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
