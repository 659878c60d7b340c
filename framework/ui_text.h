#pragma once
// Small services every window of the program uses: string-table loads,
// message boxes by string ids, centring, dialog-item texts.

#include <windows.h>

// The instance whose resources the program loads (set at start-up).
void SetResourceInstance(HINSTANCE instance);
HINSTANCE ResourceInstance();

// Loads string id into buffer (always zero-terminated); returns its length.
int LoadStr(char* buffer, int capacity, UINT id);

// Plain OK box whose caption and text are string-table entries.
int MessageBoxIds(HWND owner, UINT captionId, UINT textId);

// Moves a window so that it is centred on the screen, keeping its size.
void CentreWindow(HWND window);

// Text of a dialog item into a bounded buffer (always zero-terminated).
void ItemText(HWND dialog, int id, char* buffer, int capacity);

// "Sei sicuro di voler eliminare questo elemento dalla lista?" (Yes / No /
// Cancel): true when the user answered Yes.
bool ConfirmDeletion(HWND owner);
