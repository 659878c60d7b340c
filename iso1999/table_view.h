#pragma once
// The text tables of the ISO 1999 chart views: the drawing rectangle shrunk
// by a margin, and lines of text in columns, some of them tinted.

#include <windows.h>

// left += width/24, then right -= (new width)/24; top += height/18, then
// bottom -= (new height)/18 (integer divisions).
RECT ShrinkTableArea(const RECT& area);

// Writes text at a column of a table line, in a colour (only when the
// colour flag of the printing service is on) or in the current one.
struct TableWriter {
    HDC dc;
    int left, top, column, line;
    bool colour;
    int width;  // of the shrunk rectangle

    // Lines count from 1 at the top of the rectangle, columns from 0.
    void At(int col, int row, const char* text, COLORREF tint = CLR_INVALID) const;

    // A row of numbers: the label as "%2.0f" in column 0 in its tint, then
    // the values as "%4.1f" in columns 1 .. count.
    void NumberRow(int row, double label, const double* values, int count, COLORREF labelTint) const;

    // A title or parameter line across the table, in a smaller font where
    // it is wider than the table (so that it prints whole).
    void Across(int row, const char* text) const;
};

// A writer for the shrunk rectangle: columns at least eight average
// character widths apart, lines at least the font's height plus its
// external leading.
TableWriter TableWriterFor(HDC dc, const RECT& shrunk, int column, int line);
