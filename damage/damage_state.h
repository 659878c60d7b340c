#pragma once
// What the audiometric damage calculator remembers between two openings in
// one run of the program.

#include "damage/damage_tables.h"

struct DamageMemory {
    EarLosses left;      // "Sx (dB)", whole decibels as last computed
    EarLosses right;     // "Dx (dB)", kept while the input is symmetric
    int table;           // DamageTableId
    int formula;         // CombineFormula
    int symmetric;       // 0 or 1: only the left ear is entered and used
    char notes[513];     // the notes box holds 512 characters
    char leftEntry[16];  // texts exchanged with "EDIT_ILG"
    char rightEntry[16];
    char currentFile[260];  // emptied at every opening
};

extern DamageMemory g_damageMemory;

// The row labels, data-file keys and axis labels: "500" .. "6000".
extern const char* const kDamageFrequencyLabels[kEarFrequencies];

// Back to the state of a first opening.
void ForgetDamage();
