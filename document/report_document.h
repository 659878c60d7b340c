#pragma once
// The rich-text report document in the main window (child 13) and its
// formatting toolbar (child 14).

#include <windows.h>

// Creates the control with its defaults and its OLE state; nullptr when the
// rich-edit library or class is missing or the OLE state cannot be made (the
// program then runs without it).
HWND CreateReportDocument(HWND mainWindow);

// The character and paragraph formats, notifications, text limit and
// background of an empty document; clears the modified flag.
void ApplyDocumentDefaults(HWND document);

// Creates the formatting toolbar (only called when the document exists).
HWND CreateFormatToolbar(HWND mainWindow);

// Moves and sizes the control and sets its formatting rectangle.
void PlaceReportDocument(HWND document, const RECT& area);

bool IsDocumentModified(HWND document);

// Process-wide word-wrap flag, initially on.
bool WordWrapOn();

// "A capo a&utomatico" (32810): inverts the flag, enables the alignment
// buttons only with wrapping, and sets the line width.
void ToggleWordWrap(HWND mainWindow, HWND document);
