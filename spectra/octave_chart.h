#pragma once
// The octave-band bar chart of the noise and attenuation spectra: seven bars
// on a grid with its scale, drawn into any device context (a dialog, a
// printer page, a bitmap).

#include <windows.h>

#include "spectra/band_table.h"

// Where the parts of the chart fall in a rectangle. Rows and columns are
// pixels; the grid lines and borders are drawn on the pixels named here.
struct OctaveChartLayout {
    int gridBottom;  // row of the 0 line: the rectangle's last row
    int gridTop;     // row of the full-scale line
    int rowHeight;
    int plotLeft;    // outer column of the left border
    int plotRight;   // outer column of the right border: the rectangle's last
    int barsLeft;    // first column of the first bar
    int barWidth;    // width of each of the seven bar columns
    int barsBottom;  // last row of the bars, just above the bottom border
};

void LayOutOctaveChart(const RECT& area, int rows, OctaveChartLayout* layout);

// Draws the chart of seven levels with a scale of fullScale dB in rows grid
// rows, with the font and text colour selected in dc. A level of 0 or below
// draws no bar; a level above the scale is cut at the rectangle's top.
void DrawOctaveChart(HDC dc, const RECT& area, const double levels[kOctaveBands], double fullScale,
                     int rows);

// Draws the chart in the rectangle of the dialog's hidden placeholder 9000,
// with the dialog's font, on dc or, when dc is nullptr, on the dialog's own.
void DrawDialogChart(HWND dialog, HDC dc, const double levels[kOctaveBands], double fullScale,
                     int rows);

// Under a printed chart: each bar column gets its band key and " Hz",
// centred, on a line two line heights tall from one line height below it.
void PrintBandLabels(HDC dc, const RECT& chart, int rows, int lineHeight);
