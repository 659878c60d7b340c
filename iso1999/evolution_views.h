#pragma once
// The damage evolution calculator's chart views: "Tabella" and "Grafico"
// (damage against the years of exposure for four fractiles), recomputed
// from its inputs at every paint.

#include <windows.h>

#include "framework/chart_views.h"

void DrawEvolutionTable(HDC dc, const RECT* area);
void DrawEvolutionChart(HDC dc, const RECT* area);

extern const ChartViewSet kEvolutionChartViews;
