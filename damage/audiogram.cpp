#include "damage/audiogram.h"

#include <cstdio>
#include <cstring>

#include "damage/audiogram_layout.h"
#include "damage/damage_state.h"
#include "resources/resource.h"

namespace {

const COLORREF kAxisColour = RGB(0, 0, 0);
const COLORREF kGridColour = RGB(128, 128, 128);

void Line(HDC dc, int x0, int y0, int x1, int y1)
{
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

// Text centred in a box, free to spill over it (the 0 dB label stands half
// above the rectangle, as on the paper forms).
void CentredText(HDC dc, const char* text, int left, int top, int right, int bottom)
{
    RECT box = {left, top, right, bottom};
    DrawTextA(dc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

void DrawAxesAndGrid(HDC dc, const AudiogramLayout& layout, int labelWidth)
{
    HPEN axis = CreatePen(PS_SOLID, 1, kAxisColour);
    HPEN grid = CreatePen(PS_SOLID, 1, kGridColour);
    HGDIOBJ oldPen = SelectObject(dc, grid);
    int h = layout.rowHeight;
    for (int k = 0; k < 10; ++k) {
        int y = layout.top + k * h;
        Line(dc, layout.left, y, layout.right - labelWidth, y);
        char label[16];
        snprintf(label, sizeof label, "%d", k * 10);
        CentredText(dc, label, layout.right - labelWidth, y - h / 2, layout.right, y + h / 2);
    }
    for (int k = 0; k < kEarFrequencies; ++k) {
        int x = AudiogramX(layout, k);
        Line(dc, x, layout.plotBottom, x, layout.top - 1);
        CentredText(dc, kDamageFrequencyLabels[k], x - labelWidth, layout.bottom - h, x + labelWidth,
                    layout.bottom - 1);
    }
    int hz = AudiogramX(layout, kEarFrequencies - 1) + labelWidth;
    CentredText(dc, "Hz", hz - labelWidth / 2, layout.bottom - h, hz + labelWidth / 2, layout.bottom - 1);

    SelectObject(dc, axis);
    for (int d = 0; d < 2; ++d) {
        Line(dc, layout.left + d, layout.top, layout.left + d, layout.bottom + 1);
        Line(dc, layout.left, layout.bottom - d, layout.right + 1, layout.bottom - d);
    }
    TextOutA(dc, layout.left + 2, layout.top, "dB", 2);
    SelectObject(dc, oldPen);
    DeleteObject(grid);
    DeleteObject(axis);
}

// One ear: its six points joined by a line two pixels wide (wider on a
// printer, in proportion to its font) and its marker beside each point.
void DrawEar(HDC dc, const AudiogramLayout& layout, const EarLosses& ear, COLORREF colour,
             const char* marker, int side, const TEXTMETRICA& metrics)
{
    int width = metrics.tmHeight / 8 > 2 ? metrics.tmHeight / 8 : 2;
    int shift = metrics.tmAveCharWidth / 2 > 4 ? metrics.tmAveCharWidth / 2 : 4;
    POINT points[kEarFrequencies];
    for (int k = 0; k < kEarFrequencies; ++k) {
        points[k].x = AudiogramX(layout, k);
        points[k].y = AudiogramY(layout, ear.db[k]);
    }
    HPEN pen = CreatePen(PS_SOLID, width, colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Polyline(dc, points, kEarFrequencies);
    SelectObject(dc, oldPen);
    DeleteObject(pen);

    COLORREF oldColour = SetTextColor(dc, colour);
    // A small letter sits low in its cell: the cell goes up an eighth of
    // its height so that the letter's middle falls on the point.
    int rise = metrics.tmHeight / 8;
    for (const POINT& point : points) {
        int x = point.x + side * shift;
        int top = point.y - metrics.tmHeight / 2 - rise;
        CentredText(dc, marker, x - metrics.tmMaxCharWidth, top, x + metrics.tmMaxCharWidth,
                    top + metrics.tmHeight);
    }
    SetTextColor(dc, oldColour);
}

}  // namespace

void DrawAudiogram(HDC dc, const RECT& area, const EarLosses& left, const EarLosses& right,
                   bool symmetric)
{
    if (area.right <= area.left || area.bottom <= area.top)
        return;
    TEXTMETRICA current;
    GetTextMetricsA(dc, &current);
    HFONT font = CreateFontA(current.tmHeight, 0, 0, 0, 500, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             FIXED_PITCH | FF_MODERN, "Courier New");
    HGDIOBJ oldFont = SelectObject(dc, font);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = SetTextColor(dc, kAxisColour);
    UINT oldAlign = SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));

    TEXTMETRICA metrics;
    GetTextMetricsA(dc, &metrics);
    SIZE label = {};
    GetTextExtentPoint32A(dc, "6000", 4, &label);
    AudiogramLayout layout;
    LayOutAudiogram(area.left, area.top, area.right, area.bottom, &layout);
    DrawAxesAndGrid(dc, layout, label.cx);
    DrawEar(dc, layout, left, kLeftEarColour, "o", 1, metrics);
    if (!symmetric)
        DrawEar(dc, layout, right, kRightEarColour, "x", -1, metrics);

    SetTextAlign(dc, oldAlign);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

bool DialogAudiogramRect(HWND dialog, RECT* area)
{
    HWND placeholder = GetDlgItem(dialog, IDC_CHART_PLACEHOLDER);
    if (!placeholder)
        return false;
    GetWindowRect(placeholder, area);
    MapWindowPoints(nullptr, dialog, (POINT*)area, 2);
    InflateRect(area, -10, -10);
    OffsetRect(area, 5, 0);
    return true;
}

void DrawDialogAudiogram(HWND dialog, HDC dc, const EarLosses& left, const EarLosses& right,
                         bool symmetric)
{
    RECT area;
    if (!DialogAudiogramRect(dialog, &area))
        return;
    HDC target = dc ? dc : GetDC(dialog);
    if (!target)
        return;
    HFONT font = (HFONT)SendMessageA(dialog, WM_GETFONT, 0, 0);
    HGDIOBJ oldFont = font ? SelectObject(target, font) : nullptr;
    DrawAudiogram(target, area, left, right, symmetric);
    if (oldFont)
        SelectObject(target, oldFont);
    if (!dc)
        ReleaseDC(dialog, target);
}
