#pragma once
// What the group level calculator remembers between two openings in one run
// of the program.

#include <vector>

struct GroupLevelMemory {
    long totalWorkers;            // N, at most the field's seven digits
    int confidenceIndex;          // 0 .. 3: "90", "95", "97.5", "99"
    int intervalIndex;            // 0 .. 9: the interval in dB less 1
    std::vector<double> samples;  // dBA, in the order entered
    char notes[513];              // the notes box holds 512 characters
    char sampleEntry[16];         // carried into the sample dialog and back
    char currentFile[260];        // emptied at every opening
};

extern GroupLevelMemory g_groupMemory;

// Back to the state the program starts with: N 10, "95", 2 dB, no samples.
void ResetGroupLevelMemory();
