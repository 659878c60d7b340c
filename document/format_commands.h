#pragma once
// The report document's formatting commands (toolbar 14, the "FORMATO" and
// "COLORI" popups and the accelerators) and the notifications by which the
// toolbar follows the selection.

#include <windows.h>

// 32777, 32782 .. 32806, 32808 .. 32810.
bool IsFormatCommand(int command);

// Applies a formatting command to the selection, or to the insertion point
// when nothing is selected.
void FormatCommand(HWND mainWindow, HWND document, int command);

// Sets the toolbar checks from the formats at the selection.
void ShowSelectionFormat(HWND mainWindow, HWND document);

// The document's WM_NOTIFY: the selection change, and the message filter
// that shows "FORMATO" on the right button or F8 (and keeps that message
// from the control). Returns the notification's result.
LRESULT OnReportDocumentNotify(HWND mainWindow, const NMHDR* header);

// The font dialog over the selection (32806).
void ChooseSelectionFont(HWND mainWindow, HWND document);
