#pragma once
// Where the ISO 1999 charts put a value: the four value scales of the plot
// and the logarithmic frequency axis of the audiogram. Device units are
// whole numbers; every position is worked out in doubles and kept inside the
// plot before it becomes one, so that no value (a threshold of 10^12 dB
// from a huge age) can overflow the device coordinates.

enum ChartScale {
    kScaleHearingLoss,  // 12 rows, "- 90" .. "20": v dB on the line labelled -v
    kScaleDb,           // 10 rows, "- 10" .. "80"
    kScaleDamage5,      // 10 rows, 5 % a row
    kScaleDamage25      // 10 rows, 2.5 % a row
};

// Rows of the grid of a scale.
int ScaleRows(ChartScale scale);

// Row height of a plot of that many rows (an integer division, 0 when the
// plot is lower than its rows).
int RowHeight(int plotTop, int plotBottom, int rows);

// The y of a value: plot bottom less the value's rows times the row height,
// rounded down, and kept between plotTop and plotBottom. A value that is not
// a number lies on the plot bottom.
int ScaleY(ChartScale scale, double value, int plotTop, int plotBottom);

// The same y, rounded down, where the value is off the scale too: above or
// below the plot, though never more than a billion units away, so that the
// clipping of a curve cannot overflow.
double ScaledY(ChartScale scale, double value, int plotTop, int plotBottom);

// The part of the segment from (x0, y0) to (x1, y1) between the plot's top
// and bottom: an end beyond them moves along the segment to where it crosses
// the edge, so the curve keeps its slope. False when no part is inside.
bool ClipToPlotRows(double* x0, double* y0, double* x1, double* y1, double top, double bottom);

// The audiogram's frequency axis, 250 Hz at the plot left to 6000 Hz at its
// right: units per decade, plot width / log10 24, truncated.
int AudiogramDecade(int plotWidth);

// x of a frequency from the plot left, (log10 f - log10 250) units per
// decade, truncated.
int AudiogramX(int frequency, int decade);
