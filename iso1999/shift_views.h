#pragma once
// The threshold-shift calculator's chart views: "Tabella", "Grafico"
// (threshold against fractile) and "Audiogramma" (threshold against
// frequency), recomputed from the calculator's inputs at every paint.

#include <windows.h>

#include "framework/chart_views.h"

void DrawShiftTable(HDC dc, const RECT* area);
void DrawShiftByFractile(HDC dc, const RECT* area);
void DrawShiftAudiogram(HDC dc, const RECT* area);

extern const ChartViewSet kShiftChartViews;
