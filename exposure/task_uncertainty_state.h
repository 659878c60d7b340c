#pragma once
// What the uncertainty calculator remembers between two openings in one run
// of the program: its inputs as typed, the notes and the entry's texts.

#include "exposure/task_uncertainty.h"

struct UncertaintyMemory {
    UncertaintyTexts inputs;  // the tasks, the instrument class, the peak
    TaskTexts entry;          // carried into the task dialog and back
    char notes[513];          // the notes box holds 512 characters
    char currentFile[260];    // emptied at every opening
};

extern UncertaintyMemory g_uncertaintyMemory;

// Back to the state the program starts with: no tasks, class 1, no peak.
void ResetUncertaintyMemory();
