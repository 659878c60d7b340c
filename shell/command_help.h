#pragma once
// Help of the main window: F1 on a highlighted menu item (of the menu bar or
// of a popup the main window shows) opens the topic of its command; F1
// anywhere else in the main window the topic of the view shown.

#include <windows.h>

// The topic of a command; the main window's own topic for a menu of items,
// and for an id that is not a command of the main window.
DWORD CommandHelpTopic(int command);

// The topic of the view shown: the report document or the chart views.
DWORD ViewHelpTopic(int viewState);

// WM_HELP of the main window.
void OnMainWindowHelp(HWND mainWindow, const HELPINFO* info);
