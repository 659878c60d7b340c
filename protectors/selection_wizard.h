#pragma once
// The protector selection wizard "Scelta dell'otoprotettore (DPI)": eight
// pages of one property sheet over the record g_protectorSelection, which
// lives for the whole run.

#include <windows.h>

// Opens the wizard modally; a ".dpi" path (or nullptr) is loaded while the
// first page is created. Returns the property sheet's result.
INT_PTR ShowProtectorSelection(HWND owner, const char* path);

// The same wizard without a modal loop of its own (the fuzzing of its
// files); the caller destroys it.
HWND CreateProtectorSelection(HWND owner);

// Loads a ".dpi" file as "A&pri..." does on the page; false when the file
// was not of the type.
bool OpenSelectionFile(HWND page, const char* path);

// Prints the record (the pages' "Sta&mpa").
void PrintProtectorSelection();
