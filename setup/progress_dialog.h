#pragma once
// Dialog 110, "Installazione di Fonexa in corso": modeless, with the
// "DOWNLOAD" animation, a bar of 100 steps and a status line.

#include <windows.h>

// Opens it centred over the backdrop and keeps it in g_setup.progress (which
// it empties when it is destroyed). False when it cannot be created.
bool OpenProgressDialog(HWND backdrop);

// After each operation: shows the item just handled, steps the bar once and
// lets the dialog paint and take a cancel. Returns whether the dialog still
// exists.
bool ShowStep(const char* item);

// True while the dialog exists.
bool ProgressOpen();
