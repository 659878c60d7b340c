#include "shell/chart_selection.h"

#include <cstdlib>

namespace {

struct Selection {
    RECT rect;
    POINT anchor;  // the fixed corner
    POINT moving;  // the corner under the pointer
    bool dragging;
};

Selection s_selection = {};

bool HasArea(const RECT& r)
{
    return r.right > r.left && r.bottom > r.top;
}

// Draws the rectangle or, drawn already, erases it.
void Invert(HWND mainWindow)
{
    if (!HasArea(s_selection.rect))
        return;
    HDC dc = GetDC(mainWindow);
    DrawFocusRect(dc, &s_selection.rect);
    ReleaseDC(mainWindow, dc);
}

// Bottom-left, top-left, top-right, bottom-right: opposite corners are two
// apart.
void Corners(POINT corners[4])
{
    const RECT& r = s_selection.rect;
    corners[0] = {r.left, r.bottom};
    corners[1] = {r.left, r.top};
    corners[2] = {r.right, r.top};
    corners[3] = {r.right, r.bottom};
}

// The corner within a pixel of the point, 0..3, or -1.
int NearCorner(POINT at)
{
    POINT corners[4];
    Corners(corners);
    for (int i = 0; i < 4; ++i)
        if (labs(at.x - corners[i].x) < 2 && labs(at.y - corners[i].y) < 2)
            return i;
    return -1;
}

void Rebuild()
{
    const POINT& a = s_selection.anchor;
    const POINT& m = s_selection.moving;
    s_selection.rect = {a.x < m.x ? a.x : m.x, a.y < m.y ? a.y : m.y, a.x < m.x ? m.x : a.x,
                        a.y < m.y ? m.y : a.y};
}

}  // namespace

RECT ChartSelection()
{
    return s_selection.rect;
}

void ClearChartSelection()
{
    s_selection.rect = {0, 0, 0, 0};
}

void ChartButtonDown(HWND mainWindow, POINT at)
{
    int corner = NearCorner(at);
    if (corner >= 0) {
        POINT corners[4];
        Corners(corners);
        s_selection.moving = corners[corner];
        s_selection.anchor = corners[(corner + 2) % 4];
    } else {
        Invert(mainWindow);
        s_selection.anchor = s_selection.moving = at;
        s_selection.rect = {at.x, at.y, at.x, at.y};
    }
    // Held outside the window the band still follows.
    s_selection.dragging = true;
    SetCapture(mainWindow);
}

void ChartMouseMove(HWND mainWindow, POINT at, bool buttonHeld)
{
    SetCursor(LoadCursor(nullptr, NearCorner(at) >= 0 ? IDC_CROSS : IDC_ARROW));
    if (!buttonHeld || !s_selection.dragging)
        return;
    Invert(mainWindow);
    s_selection.moving = at;
    Rebuild();
    Invert(mainWindow);
}

void ChartButtonUp(HWND mainWindow, POINT at)
{
    if (!s_selection.dragging)
        return;
    s_selection.dragging = false;
    if (GetCapture() == mainWindow)
        ReleaseCapture();
    Invert(mainWindow);
    s_selection.moving = at;
    Rebuild();
    Invert(mainWindow);
}

void DrawChartSelection(HDC dc)
{
    if (HasArea(s_selection.rect))
        DrawFocusRect(dc, &s_selection.rect);
}
