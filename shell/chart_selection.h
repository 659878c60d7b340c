#pragma once
// The selection rectangle of the chart views: a rubber band drawn with the
// left mouse button (focus rectangles, drawn by inversion, so that drawing
// again erases), taken again at a corner to change it, emptied by every
// size change of the main window. It limits the chart copied to the
// clipboard.

#include <windows.h>

// In client pixels; empty (no width or height) when none is drawn.
RECT ChartSelection();
void ClearChartSelection();

// Left button pressed: near a corner (within a pixel, bottom-left, top-left,
// top-right, bottom-right) that corner moves and the opposite one stays;
// elsewhere a new rectangle starts at the pointer.
void ChartButtonDown(HWND mainWindow, POINT at);

// The pointer moved: a cross near a corner; with the button held the
// rectangle follows it.
void ChartMouseMove(HWND mainWindow, POINT at, bool buttonHeld);

// Left button released: the rectangle ends at the pointer.
void ChartButtonUp(HWND mainWindow, POINT at);

// Draws the rectangle, if it is not empty, at the end of a chart's paint.
void DrawChartSelection(HDC dc);
