#pragma once
// The chart views of the main window: after an ISO 1999 calculator ends with
// OK its results take the central area as a table, a graph or a third view,
// chosen in "&Visualizza" or on the toolbar, until the report document comes
// back (1020, Ctrl+F4, Esc). Holds the chart-view state: the view kind, the
// table flag (the selection rectangle drawn with the mouse is
// shell/chart_selection.h, the selected curve iso1999/curve_selection.h).

#include <windows.h>

#include "framework/chart_views.h"

// The views of a chart view state (0, 3, 6, 9), nullptr for any other.
const ChartViewSet* ChartViewsOf(int viewState);

// After a successful chart calculator: view state, chart mode, Tabella
// first, the Visualizza items of the calculator, maximised.
void EnterChartView(HWND mainWindow, int viewState);

// 1022, 1024 or 1026 chosen.
void SelectViewKind(HWND mainWindow, int command);

// The view kind shown: the greyed Visualizza item (Tabella looked at first,
// then 1026, then 1024); -1 when none is greyed.
int CurrentViewKind(HMENU menu);

// The painter of the view shown and its index (view state + view kind), or
// nullptr for a view state above 9 or a view without painter.
ViewPainter GetViewPainter(int viewState, HMENU menu, int* index);

// The print-job name of a chart view index ("Tabella", "Grafico", ...).
const char* ChartJobName(int index);

// Paints the view shown (without the selection rectangle) as the main
// window's paint does, into any device context of the client's size.
void PaintChartView(HWND mainWindow, HDC dc);

// Back to the report document (1020), only when not already there.
void ShowReportDocument(HWND mainWindow);

// On while the Tabella view kind is shown (export: csv or bitmap).
bool ChartTableFlag();

// The chart popup menu of the view shown (items 900.., a separator, 899
// "Tutto", the current curve greyed); nullptr in the report document or
// the Tabella view. The caller destroys it.
HMENU BuildChartPopup(HWND mainWindow);

// Shows a popup menu at a screen point and sends the chosen command to the
// main window. Tests put a recorder in its place.
typedef void (*PopupTracker)(HWND mainWindow, HMENU menu, POINT screen);
void SetPopupTracker(PopupTracker tracker);

// The chart commands of the dispatcher (calculators 1050/1055/1060, view
// kinds, 1020, curve choices 899..906, and "Stam&pa", "&Copia", "&Salva" and
// "Sa&lva con nome..." in a chart view); false for any other command, which the dispatcher then handles.
bool ChartViewCommand(HWND mainWindow, int command);

// The main window's messages for the chart views: paint, keys, mouse and
// popup; a size change empties the selection rectangle and is not taken.
// True when the message was handled, with its result.
bool ChartViewMessage(HWND mainWindow, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
