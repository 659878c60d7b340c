#include "iso1999/chart_frame.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "framework/printing.h"
#include "iso1999/chart_scale.h"
#include "iso1999/view_text.h"

ChartBands LayoutChart(const RECT& r)
{
    const LONG x0 = r.left, y0 = r.top, w = r.right, h = r.bottom;
    ChartBands b;
    b.title = {x0, y0, w, y0 + h / 24};
    b.legend = {x0 + w / 8, y0 + h / 24, w - w / 8, y0 + h / 12};
    b.plot = {x0 + w / 8, y0 + h / 8, w - w / 8, h - h / 8};
    b.xLabels = {b.plot.left, b.plot.bottom, b.plot.right, h - h / 12};
    b.yLabels = {x0, b.plot.top, b.plot.left, b.plot.bottom};
    b.xTitle = {b.plot.right, b.plot.bottom, w, h - h / 12};
    b.yTitle = {x0, b.legend.bottom, b.plot.left, b.plot.top};
    return b;
}

namespace {

void Line(HDC dc, int x1, int y1, int x2, int y2)
{
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// Selects a grey pen of the width for the life of the object.
class GreyPen {
public:
    GreyPen(HDC dc, int width)
        : dc_(dc), pen_(CreatePen(PS_SOLID, width, kChartGrey)), old_(SelectObject(dc, pen_))
    {
    }
    ~GreyPen()
    {
        SelectObject(dc_, old_);
        DeleteObject(pen_);
    }

private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ old_;
};

// Draws single-line text in a box with the text colour given.
void BoxText(HDC dc, RECT box, const char* text, UINT format, COLORREF colour)
{
    COLORREF old = SetTextColor(dc, colour);
    DrawTextA(dc, text, -1, &box, format | DT_SINGLELINE | DT_NOPREFIX);
    SetTextColor(dc, old);
}

const COLORREF kSevenColours[kSevenPens] = {
    RGB(255, 0, 255), RGB(0, 0, 255),   RGB(0, 255, 0), RGB(0, 0, 0),
    RGB(255, 255, 0), RGB(0, 255, 255), RGB(255, 0, 0),
};
const COLORREF kShortColours[kShortPens] = {RGB(255, 0, 255), RGB(0, 0, 255), RGB(255, 0, 0)};

}  // namespace

void DrawGrid(HDC dc, const RECT& plot, int columns, int rows)
{
    GreyPen pen(dc, 1);
    int sx = columns > 0 ? (plot.right - plot.left) / columns : 0;
    int sy = RowHeight(plot.top, plot.bottom, rows);
    for (int i = 1; i <= columns; ++i)
        Line(dc, plot.left + i * sx, plot.bottom, plot.left + i * sx, plot.top);
    for (int j = 1; j <= rows; ++j)
        Line(dc, plot.left, plot.bottom - j * sy, plot.right, plot.bottom - j * sy);
}

void DrawAxes(HDC dc, const RECT& plot)
{
    GreyPen pen(dc, 2);
    const POINT corner[3] = {{plot.left, plot.top}, {plot.left, plot.bottom}, {plot.right, plot.bottom}};
    Polyline(dc, corner, 3);
}

void DrawXLabels(HDC dc, const RECT& band, const char* const* labels, int count)
{
    if (count < 1)
        return;
    int s = (band.right - band.left) / count;
    for (int i = 0; i < count; ++i) {
        RECT box = {band.left + s / 2 + i * s, band.top, band.left + 3 * s / 2 + i * s, band.bottom};
        BoxText(dc, box, labels[i], DT_CENTER | DT_VCENTER, kChartGrey);
    }
}

void DrawYLabels(HDC dc, const RECT& band, const char* const* labels, int count)
{
    if (count < 1)
        return;
    int s = (band.bottom - band.top) / count;
    for (int i = 0; i < count; ++i) {
        RECT box = {band.left, band.bottom - 3 * s / 2 - i * s, band.right, band.bottom - s / 2 - i * s};
        BoxText(dc, box, labels[i], DT_RIGHT | DT_VCENTER, kChartGrey);
    }
}

void DrawXTitle(HDC dc, const RECT& band, const char* text)
{
    BoxText(dc, band, text, DT_CENTER | DT_VCENTER, kChartGrey);
}

namespace {

int TextWidth(HDC dc, const char* text)
{
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
    return extent.cx;
}

}  // namespace

void DrawYTitle(HDC dc, const RECT& band, const char* text)
{
    // On a narrow chart "Danno (%)" is wider than the band left of the plot:
    // it then starts at the band's left edge and runs on over the empty
    // space above the plot, instead of losing its beginning.
    bool fits = TextWidth(dc, text) <= band.right - band.left;
    BoxText(dc, band, text, (fits ? DT_RIGHT : DT_LEFT | DT_NOCLIP) | DT_VCENTER, kChartGrey);
}

namespace {

// The font selected in dc at a percentage of its size, selected in its place
// for the life of the object.
class ScaledFont {
public:
    explicit ScaledFont(HDC dc) : dc_(dc), original_((HFONT)GetCurrentObject(dc, OBJ_FONT))
    {
        GetObjectA(original_, sizeof font_, &font_);
        if (font_.lfHeight == 0) {
            TEXTMETRICA metrics;
            GetTextMetricsA(dc, &metrics);
            font_.lfHeight = -(metrics.tmHeight - metrics.tmInternalLeading);
        }
    }
    ~ScaledFont() { Release(); }
    void Scale(int percent)
    {
        LOGFONTA scaled = font_;
        scaled.lfHeight = MulDiv(font_.lfHeight, percent, 100);
        scaled.lfWidth = MulDiv(font_.lfWidth, percent, 100);
        Release();
        scaled_ = CreateFontIndirectA(&scaled);
        SelectObject(dc_, scaled_);
    }

private:
    void Release()
    {
        if (!scaled_)
            return;
        SelectObject(dc_, original_);
        DeleteObject(scaled_);
        scaled_ = nullptr;
    }
    HDC dc_;
    HFONT original_;
    HFONT scaled_ = nullptr;
    LOGFONTA font_ = {};
};

const int kSmallestPercent = 30;

}  // namespace

void DrawChartTitle(HDC dc, const RECT& band, const char* text)
{
    int width = band.right - band.left, height = band.bottom - band.top;
    if (width <= 0 || height <= 0 || !text)
        return;
    RECT box = band;
    if (TextWidth(dc, text) <= width) {
        DrawTextA(dc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    // Wider than the band: broken between its fields, in a smaller font step
    // by step until every line fits the band's width and all of them its
    // height.
    ScaledFont font(dc);
    auto measure = [dc](const std::string& line) { return TextWidth(dc, line.c_str()); };
    std::vector<std::string> lines;
    int lineHeight = 0;
    for (int percent = 100; percent >= kSmallestPercent; percent -= 10) {
        if (percent < 100)
            font.Scale(percent);
        lines = BreakTitle(text, width, measure);
        TEXTMETRICA metrics;
        GetTextMetricsA(dc, &metrics);
        lineHeight = metrics.tmHeight;
        int widest = 0;
        for (const std::string& line : lines)
            widest = std::max(widest, measure(line));
        if (widest <= width && (int)lines.size() * lineHeight <= height)
            break;
    }
    int total = (int)lines.size() * lineHeight;
    if (total < height)
        box.top += (height - total) / 2;
    for (const std::string& line : lines) {
        box.bottom = box.top + lineHeight;
        DrawTextA(dc, line.c_str(), -1, &box, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
        box.top += lineHeight;
    }
}

void DrawFittedLine(HDC dc, int x, int y, int width, const char* text)
{
    if (!text)
        return;
    int needed = TextWidth(dc, text);
    if (needed <= width || width <= 0) {
        TextOutA(dc, x, y, text, lstrlenA(text));
        return;
    }
    ScaledFont font(dc);
    for (int percent = width * 100 / needed; percent >= kSmallestPercent; percent -= 5) {
        font.Scale(percent);
        if (TextWidth(dc, text) <= width)
            break;
    }
    TextOutA(dc, x, y, text, lstrlenA(text));
}

void CreateCurvePens(CurvePens* pens, int count)
{
    const COLORREF* colours = count == kSevenPens ? kSevenColours : kShortColours;
    pens->count = count == kSevenPens ? kSevenPens : kShortPens;
    bool colour = ColourFlag();
    for (int i = 0; i < kSevenPens; ++i)
        pens->pen[i] = i < pens->count ? CreatePen(PS_SOLID, 2, colour ? colours[i] : RGB(0, 0, 0))
                                       : nullptr;
}

void DeleteCurvePens(CurvePens* pens)
{
    for (int i = 0; i < kSevenPens; ++i) {
        if (pens->pen[i])
            DeleteObject(pens->pen[i]);
        pens->pen[i] = nullptr;
    }
    pens->count = 0;
}

void DrawLegend(HDC dc, const RECT& band, const CurvePens& pens, const char* const* labels,
                int count, int shown)
{
    if (count < 1)
        return;
    int s = (band.right - band.left) / count;
    for (int i = 0; i < count && i < pens.count; ++i) {
        if (shown >= 0 && i != shown)
            continue;
        RECT cell = {band.left + i * s, band.top, band.left + (i + 1) * s, band.bottom};
        HGDIOBJ old = SelectObject(dc, pens.pen[i]);
        Line(dc, cell.left + 8, cell.top, cell.right - 8, cell.top);
        SelectObject(dc, old);
        BoxText(dc, cell, labels[i], DT_CENTER | DT_BOTTOM, kChartGrey);
    }
}

void DrawAudiogramFrame(HDC dc, const RECT& plot, const RECT& xLabels, int rows,
                        int positions[kAudiogramLines])
{
    static const int kHz[kAudiogramLines] = {500, 1000, 2000, 3000, 4000, 6000};
    static const char* const kLabels[kAudiogramLines] = {"500", "1000", "2000", "3000", "4000", "6000"};
    GreyPen pen(dc, 1);
    int u = AudiogramDecade(plot.right - plot.left);
    for (int k = 0; k < kAudiogramLines; ++k) {
        int x = AudiogramX(kHz[k], u);
        positions[k] = x;
        Line(dc, plot.left + x, plot.bottom, plot.left + x, plot.top);
        RECT box = {xLabels.left + x - u / 2, xLabels.top, xLabels.left + x + u / 2, xLabels.bottom};
        DrawTextA(dc, kLabels[k], -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    int sy = RowHeight(plot.top, plot.bottom, rows);
    for (int j = 1; j <= rows; ++j)
        Line(dc, plot.left, plot.bottom - j * sy, plot.right, plot.bottom - j * sy);
}

void DrawClippedCurve(HDC dc, HPEN pen, const RECT& plot, const int* x, const double* y, int count)
{
    if (count < 1 || !pen)
        return;
    HGDIOBJ old = SelectObject(dc, pen);
    // Points inside the plot are whole units already; only the crossings of
    // an edge are rounded.
    POINT at = {0, 0};
    bool drawing = false;
    for (int i = 1; i < count; ++i) {
        double x0 = x[i - 1], y0 = y[i - 1], x1 = x[i], y1 = y[i];
        if (!ClipToPlotRows(&x0, &y0, &x1, &y1, plot.top, plot.bottom)) {
            drawing = false;
            continue;
        }
        POINT from = {(LONG)std::lround(x0), (LONG)std::lround(y0)};
        POINT to = {(LONG)std::lround(x1), (LONG)std::lround(y1)};
        if (!drawing || from.x != at.x || from.y != at.y)
            MoveToEx(dc, from.x, from.y, nullptr);
        LineTo(dc, to.x, to.y);
        at = to;
        drawing = true;
    }
    SelectObject(dc, old);
}
