#pragma once
// The main toolbar (child 12), its tooltips and the document and chart modes
// of the menus and toolbars.

#include <windows.h>
#include <commctrl.h>

HWND CreateMainToolbar(HWND mainWindow);

// Text of the tooltip of a toolbar command, by the view state; nullptr when
// the command has none.
const char* ToolbarTooltip(int command, int viewState);

// Answers the need-text notifications of both toolbars.
void OnToolbarTooltip(const NMHDR* header, int viewState);

// Document mode (report document shown) or chart mode.
void SetDocumentMode(HWND mainWindow, bool documentMode);

// True when the clipboard holds a format the report document can paste.
bool ClipboardPasteable();

// Enables "&Incolla" and its button by the clipboard, in the document view.
void UpdatePasteCommand(HWND mainWindow);
