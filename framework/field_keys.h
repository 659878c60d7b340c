#pragma once
// Data-file keys that hold what one control of a calculator shows, and the
// printout lines made of such controls.

#include <windows.h>

#include <cstddef>

#include "framework/printing.h"

struct FieldKey {
    const char* section;
    const char* key;
    int control;
};

// Writes each control's text (up to 15 characters) under its key.
void SaveFieldKeys(HWND dialog, const char* path, const FieldKey* keys, size_t count);

// Shows each key that the file holds in its control, as read (a missing key
// leaves the control as it is, or, with fallback, shows fallback).
void LoadFieldKeys(HWND dialog, const char* path, const FieldKey* keys, size_t count,
                   const char* fallback = nullptr);

struct PrintedField {
    const char* label;
    int control;
};

// One printout line a field: its label at the left, the control's text at x.
// False when the printout ended on a failed page break.
bool PrintFields(TextPrintout* print, HWND dialog, const PrintedField* fields, size_t count, int x);
