#pragma once
// The rich-text report document in the main window (child 13) and its
// formatting toolbar (child 14).

#include <windows.h>

// Creates the control with its defaults; nullptr when the rich-edit library
// or class is missing (the program then runs without it).
HWND CreateReportDocument(HWND mainWindow);

// Creates the formatting toolbar (only called when the document exists).
HWND CreateFormatToolbar(HWND mainWindow);

// Moves and sizes the control and sets its formatting rectangle.
void PlaceReportDocument(HWND document, const RECT& area);

bool IsDocumentModified(HWND document);

// Process-wide word-wrap flag, initially on.
bool WordWrapOn();
