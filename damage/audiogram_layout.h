#pragma once
// Where the parts of an audiogram fall in a rectangle: ten rows of 10 dB
// from 0 dB at the top, a logarithmic frequency axis from 500 Hz. Pixels
// only, so that the screen, the printer and the tests share the arithmetic.

#include "damage/damage_tables.h"

struct AudiogramLayout {
    int left;       // first column: the frequency axis starts here
    int top;        // first row: the 0 dB line
    int right;      // last column
    int bottom;     // last row: the lower of the two axis lines
    int plotBottom; // lowest row of a point: the 90 dB line, or the foot of
                    // the vertical grid lines (a row above the bottom) when
                    // the rectangle leaves more room
    int rowHeight;  // 10 dB
    int decade;     // pixels per decade of frequency
};

// Lays out the rectangle (left, top) - (right, bottom), right and bottom
// excluded as for every rectangle of the drawing functions.
void LayOutAudiogram(int left, int top, int right, int bottom, AudiogramLayout* layout);

// Column of the k-th audiometric frequency (500 Hz is 35 pixels right of the
// axis), never outside the rectangle.
int AudiogramX(const AudiogramLayout& layout, int k);

// Row of a loss in dB, never outside the plot: losses below 0 dB stay on the
// 0 dB line, losses beyond the plot on its lowest row, and any double,
// however large, gives a row.
int AudiogramY(const AudiogramLayout& layout, double loss);

// The leading whole number of a text as the damage counts it: "42.7" is 42,
// "-5" is -5, a text not starting with digits 0. Kept within +-100000 dB.
int WholeDecibels(const char* text);
