#include "spectra/octave_chart.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "resources/resource.h"

void LayOutOctaveChart(const RECT& area, int rows, OctaveChartLayout* layout)
{
    if (rows < 1)
        rows = 1;
    int width = area.right - area.left;
    layout->gridBottom = area.bottom - 1;
    // Rows are counted between the first and the last pixel row, so that the
    // full-scale line never falls outside the rectangle.
    layout->rowHeight = (layout->gridBottom - area.top) / rows;
    if (layout->rowHeight < 0)
        layout->rowHeight = 0;
    layout->gridTop = layout->gridBottom - rows * layout->rowHeight;
    layout->plotLeft = area.left + width / 10;
    layout->plotRight = area.right - 1;
    // Inside the borders two pixels thick.
    layout->barsLeft = layout->plotLeft + 2;
    int barsWidth = (layout->plotRight - 2) - layout->barsLeft + 1;
    layout->barWidth = barsWidth > 0 ? barsWidth / kOctaveBands : 0;
    layout->barsBottom = layout->gridBottom - 2;
}

namespace {

void HorizontalLine(HDC dc, int left, int right, int y)
{
    MoveToEx(dc, left, y, nullptr);
    LineTo(dc, right + 1, y);
}

void VerticalLine(HDC dc, int x, int top, int bottom)
{
    MoveToEx(dc, x, top, nullptr);
    LineTo(dc, x, bottom + 1);
}

void DrawScale(HDC dc, const RECT& area, const OctaveChartLayout& layout, double fullScale, int rows)
{
    UINT oldAlign = SetTextAlign(dc, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
    for (int i = 0; i <= rows; i += 2) {
        char label[16];
        snprintf(label, sizeof label, "%d", (int)(fullScale * i / rows));
        TextOutA(dc, area.left, layout.gridBottom - i * layout.rowHeight, label, (int)strlen(label));
    }
    SetTextAlign(dc, oldAlign);
}

void DrawGrid(HDC dc, const OctaveChartLayout& layout, int rows)
{
    // The left, right and bottom borders are two pixels thick, inwards.
    for (int d = 0; d < 2; ++d) {
        VerticalLine(dc, layout.plotLeft + d, layout.gridTop, layout.gridBottom);
        VerticalLine(dc, layout.plotRight - d, layout.gridTop, layout.gridBottom);
        HorizontalLine(dc, layout.plotLeft, layout.plotRight, layout.gridBottom - d);
    }
    for (int i = 0; i <= rows; ++i)
        HorizontalLine(dc, layout.plotLeft, layout.plotRight, layout.gridBottom - i * layout.rowHeight);
}

void DrawBars(HDC dc, const RECT& area, const OctaveChartLayout& layout,
              const double levels[kOctaveBands], double fullScale)
{
    if (layout.barWidth <= 0 || !(fullScale > 0.0))
        return;
    double plotHeight = layout.barsBottom - layout.gridTop;
    for (int k = 0; k < kOctaveBands; ++k) {
        if (!(levels[k] > 0.0))
            continue;
        // Worked out in doubles and cut at the rectangle's top, so that no
        // level can overflow the coordinates.
        double rise = std::trunc(plotHeight * levels[k] / fullScale);
        double top = layout.barsBottom - rise;
        if (top < area.top)
            top = area.top;
        int left = layout.barsLeft + k * layout.barWidth;
        Rectangle(dc, left, (int)top, left + layout.barWidth, layout.barsBottom + 1);
    }
}

}  // namespace

void DrawOctaveChart(HDC dc, const RECT& area, const double levels[kOctaveBands], double fullScale,
                     int rows)
{
    if (area.right <= area.left || area.bottom <= area.top)
        return;
    if (rows < 1)
        rows = 1;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    OctaveChartLayout layout;
    LayOutOctaveChart(area, rows, &layout);

    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DrawScale(dc, area, layout, fullScale, rows);
    DrawGrid(dc, layout, rows);
    DrawBars(dc, area, layout, levels, fullScale);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    SetBkMode(dc, oldMode);
}

void DrawDialogChart(HWND dialog, HDC dc, const double levels[kOctaveBands], double fullScale,
                     int rows)
{
    HWND placeholder = GetDlgItem(dialog, IDC_CHART_PLACEHOLDER);
    if (!placeholder)
        return;
    RECT area;
    GetWindowRect(placeholder, &area);
    MapWindowPoints(nullptr, dialog, (POINT*)&area, 2);

    HDC target = dc ? dc : GetDC(dialog);
    if (!target)
        return;
    HFONT font = (HFONT)SendMessageA(dialog, WM_GETFONT, 0, 0);
    HGDIOBJ oldFont = font ? SelectObject(target, font) : nullptr;
    COLORREF oldColour = SetTextColor(target, GetSysColor(COLOR_BTNTEXT));
    DrawOctaveChart(target, area, levels, fullScale, rows);
    SetTextColor(target, oldColour);
    if (oldFont)
        SelectObject(target, oldFont);
    if (!dc)
        ReleaseDC(dialog, target);
}

void PrintBandLabels(HDC dc, const RECT& chart, int rows, int lineHeight)
{
    OctaveChartLayout layout;
    LayOutOctaveChart(chart, rows, &layout);
    int top = chart.bottom + lineHeight;
    for (int k = 0; k < kOctaveBands; ++k) {
        char label[16];
        snprintf(label, sizeof label, "%s Hz", OctaveBandTable[k].key);
        int left = layout.barsLeft + k * layout.barWidth;
        RECT cell = {left, top, left + layout.barWidth, top + 2 * lineHeight};
        DrawTextA(dc, label, -1, &cell, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}
