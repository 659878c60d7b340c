#pragma once
// The main window's commands on the report document: new and open
// ("Do&cumento" 40028, with or without a file), "&Salva" and "Sa&lva con
// nome..." of the ".fnx" file, "Stam&pa" and the formatting commands.

#include <windows.h>

// Handles the command when it concerns the report document; false leaves it
// to the dispatcher (the chart views' saving and printing).
bool ReportDocumentCommand(HWND mainWindow, int command, LPARAM lParam);

// "&Salva" of the report document: to its file, or through the save dialog
// when it has none; true when the document was saved.
bool SaveReportDocumentCommand(HWND mainWindow);

// "Sa&lva con nome..." in the report document view: the save dialog until a
// ".fnx" path is chosen or the user cancels; true when the document was
// saved.
bool SaveReportDocumentAs(HWND mainWindow);

// Saves the document to path, and on success marks it unmodified and makes
// path the document file name.
bool ExportReportDocument(HWND mainWindow, const char* path);
