#include "exposure/group_level_state.h"

#include <cstdio>

GroupLevelMemory g_groupMemory = {10, 1, 1, {}, "", "90", ""};

void ResetGroupLevelMemory()
{
    g_groupMemory.totalWorkers = 10;
    g_groupMemory.confidenceIndex = 1;
    g_groupMemory.intervalIndex = 1;
    g_groupMemory.samples.clear();
    g_groupMemory.notes[0] = '\0';
    snprintf(g_groupMemory.sampleEntry, sizeof g_groupMemory.sampleEntry, "90");
}
