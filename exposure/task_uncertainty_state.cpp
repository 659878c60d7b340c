#include "exposure/task_uncertainty_state.h"

UncertaintyMemory g_uncertaintyMemory;

void ResetUncertaintyMemory()
{
    g_uncertaintyMemory.inputs = UncertaintyTexts();
    g_uncertaintyMemory.entry = TaskTexts();
    g_uncertaintyMemory.notes[0] = '\0';
    g_uncertaintyMemory.currentFile[0] = '\0';
}
