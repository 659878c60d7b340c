#pragma once
// The predictions calculator's chart views: "Tabella", "&Perdite-Tempo"
// (NIPTS against the years, one curve a level) and "Perdite-&Livello"
// (NIPTS against the level, one curve an exposure time), recomputed from its
// inputs at every paint.

#include <windows.h>

#include "framework/chart_views.h"

void DrawPredictionTable(HDC dc, const RECT* area);
void DrawLossVersusTime(HDC dc, const RECT* area);
void DrawLossVersusLevel(HDC dc, const RECT* area);

extern const ChartViewSet kPredictionChartViews;
