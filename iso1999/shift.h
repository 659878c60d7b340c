#pragma once
// Threshold-shift calculator: NIPTS, HTLA or HTLAN at the six audiometric
// frequencies for a range of fractiles, with the damage percentage of each
// fractile for HTLA and HTLAN.

#include <cstddef>

#include "damage/damage_tables.h"
#include "iso1999/model.h"

enum {
    kShiftFractiles = 19,    // 5 % .. 95 %, step 5 %: table, report, graph
    kAudiogramFractiles = 7  // 5, 20, 35, 50, 65, 80, 95 %: audiogram
};

// The threshold-shift calculator's remembered inputs.
struct ShiftState {
    Iso1999Input record;  // years, level, age, sex
    int quantity;         // Iso1999Quantity 4550, 4551 or 4552
    int damageTable;      // DamageTableId
    int sexButton;        // 4500 male, 4501 female
};

// Years 35, level 90, age 60, male, HTLAN, new table.
ShiftState InitialShiftState();

// The inputs confirmed by the last successful "&Ok": what the views show,
// copy, export and print.
extern ShiftState g_shiftState;

// What the dialog shows when it opens: the confirmed inputs with the choices
// made since in a dialog that ended without a successful "&Ok".
extern ShiftState g_shiftChoices;

// The quantity preselected by a menu command: 1050 NIPTS, 1055 HTLA, 1060
// HTLAN (any other command gives HTLAN).
int ShiftQuantityForCommand(int command);

// The status-bar name: "Noise Induced Permanent Threshold Shift", ...
const char* ShiftQuantityLongName(int quantity);

// The table view's first line, with its leading blank:
// " NIPTS - Noise Induced Permanent Threshold Shift", ...
const char* ShiftQuantityTitle(int quantity);

// Fractile of table row i (0 .. 18): 0.05 (i + 1).
double ShiftFractile(int row);

// The audiogram's seven fractiles.
extern const double kAudiogramFractile[kAudiogramFractiles];

// The damage from which a fractile is marked " *": 11 % with the new and the
// old table, 6 % with the biological table.
double DamageThreshold(int damageTable);

// One fractile of the table.
struct ShiftRow {
    double fractile;
    double values[kEarFrequencies];  // dB at 500 .. 6000 Hz
    double damage;                   // ear damage %, 0 for NIPTS
    bool marked;                     // damage at least the threshold (never for NIPTS)
};

struct ShiftTable {
    bool withDamage;  // false for NIPTS: no "Danno (%)" column
    ShiftRow rows[kShiftFractiles];
};

// The 19 rows of the table view, the report and the graph (the graph draws
// values[f] of every row as the curve of frequency f).
void ComputeShiftTable(const ShiftState& state, ShiftTable* table);

// The audiogram: values[i][f] at kAudiogramFractile[i] and frequency f.
void ComputeShiftAudiogram(const ShiftState& state,
                           double values[kAudiogramFractiles][kEarFrequencies]);

// The table view's second line: " Anni di esposizione:  35   Leq: 90.0 dBA"
// unless HTLA, then "   Età:  60  Sesso: M   Tabella: Nuova" unless NIPTS.
void FormatShiftParameters(const ShiftState& state, char* out, size_t capacity);

// The title of both charts: " HTLAN - " then the exposure unless HTLA, then
// "   Età:  60   Sesso: M" unless NIPTS.
void FormatShiftChartTitle(const ShiftState& state, char* out, size_t capacity);

// The table text producer of the threshold-shift views (4096-byte block,
// list separator), from g_shiftState.
void BuildShiftReport(char* buffer, const char* separator);

// The same text from the given state into a block of the given capacity.
void BuildShiftReportOf(const ShiftState& state, char* buffer, size_t capacity,
                        const char* separator);
