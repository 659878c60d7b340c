#include "iso1999/table_view.h"

#include <cstring>

#include "framework/number_text.h"
#include "framework/printing.h"
#include "iso1999/chart_frame.h"
#include "iso1999/view_text.h"

RECT ShrinkTableArea(const RECT& area)
{
    RECT r = area;
    r.left += (r.right - r.left) / 24;
    r.right -= (r.right - r.left) / 24;
    r.top += (r.bottom - r.top) / 18;
    r.bottom -= (r.bottom - r.top) / 18;
    return r;
}

void TableWriter::At(int col, int row, const char* text, COLORREF tint) const
{
    COLORREF old = 0;
    bool tinted = colour && tint != CLR_INVALID;
    if (tinted)
        old = SetTextColor(dc, tint);
    TextOutA(dc, left + col * column, top + (row - 1) * line, text, (int)strlen(text));
    if (tinted)
        SetTextColor(dc, old);
}

void TableWriter::NumberRow(int row, double label, const double* values, int count, COLORREF labelTint) const
{
    char text[kShownNumberSize];
    FormatNumber(text, sizeof text, "%2.0f", label);
    At(0, row, text, labelTint);
    for (int i = 0; i < count; ++i) {
        FormatNumber(text, sizeof text, "%4.1f", values[i]);
        At(1 + i, row, text);
    }
}

void TableWriter::Across(int row, const char* text) const
{
    DrawFittedLine(dc, left, top + (row - 1) * line, width, text);
}

TableWriter TableWriterFor(HDC dc, const RECT& shrunk, int column, int line)
{
    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    if (column < 8 * metrics.tmAveCharWidth)
        column = 8 * metrics.tmAveCharWidth;
    if (line < metrics.tmHeight + metrics.tmExternalLeading)
        line = metrics.tmHeight + metrics.tmExternalLeading;
    return TableWriter{dc, (int)shrunk.left, (int)shrunk.top, column, line, ColourFlag(), (int)(shrunk.right - shrunk.left)};
}
