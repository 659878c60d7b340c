#pragma once
// What leaves a chart view: "&Salva" and "Sa&lva con nome..." write the
// Tabella view as a ".csv" file or the graph as a ".bmp" file; "&Copia" of a
// graph puts it on the clipboard as a bitmap.

#include <windows.h>

// The save dialog with the filter of the view shown ("CSV (*.csv)" in
// Tabella, "Immagine bitmap (*.bmp)" otherwise), again while the chosen
// extension does not suit the view; true when the file was written.
bool SaveChartAs(HWND mainWindow);

// Writes the view shown to path by its extension: true only when every byte
// is in the file. A file that cannot be written is told to the user.
enum ExportResult { kExported, kExportFailed, kExportWrongType };
ExportResult ExportChart(HWND mainWindow, const char* path);

// The client rectangle from the bottom of the main toolbar to the top of the
// status bar or, while a selection rectangle is drawn, the inside of its
// frame.
RECT ChartArea(HWND mainWindow);

// The chart area drawn into a new bitmap compatible with the display, as it
// shows on screen but without the selection rectangle's frame; nullptr when
// it cannot be made. The caller deletes it.
HBITMAP CaptureChart(HWND mainWindow);

// "&Copia" in a graph view: the chart area as a bitmap on the clipboard;
// "Impossibile copiare negli appunti!" when it cannot be placed there.
void CopyChartPicture(HWND mainWindow);
