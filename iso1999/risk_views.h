#pragma once
// The risk calculator's chart views: "Tabella" (the three percentages) and
// "Grafico" (the criterion's quantity against the fractile for both groups,
// with the "rischio" segment), recomputed from its inputs at every paint.

#include <windows.h>

#include "framework/chart_views.h"

void DrawRiskTable(HDC dc, const RECT* area);
void DrawRiskChart(HDC dc, const RECT* area);

extern const ChartViewSet kRiskChartViews;
