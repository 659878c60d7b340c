#pragma once
// Damage evolution calculator: the hearing-damage percentage of a worker
// every two years of exposure, from the age A0 at which exposure starts up
// to the age of 70, for the fractiles 5 %, 50 %, 95 % and the user's one.

#include <cstddef>

#include "damage/damage_tables.h"
#include "iso1999/model.h"

enum {
    kEvolutionTimes = 20,  // t = 2, 4, ... 40 years
    kEvolutionCurves = 4,  // 0.05, 0.50, 0.95 and the user's fractile
    kEvolutionLastAge = 70
};

// The damage evolution calculator's remembered inputs. record.age is A0,
// record.fractile the user's fractile Q.
struct EvolutionState {
    Iso1999Input record;
    int fractileChoice;  // position in the fractile list "10" .. "90"
    int damageTable;     // DamageTableId
    int sexButton;       // 4500 male, 4501 female
};

// Level 90, A0 18, male, Q 0.15 (position 1), new table.
EvolutionState InitialEvolutionState();

// The inputs confirmed by the last successful "&Ok": what the views show,
// copy, export and print.
extern EvolutionState g_evolutionState;

// What the dialog shows when it opens: the confirmed inputs with the choices
// made since in a dialog that ended without a successful "&Ok".
extern EvolutionState g_evolutionChoices;

// The fractile of curve 0 .. 3: 0.05, 0.50, 0.95, Q.
double EvolutionCurveFractile(const EvolutionState& state, int curve);

// D(t, q): the ear damage, by the chosen table, of HTLAN at the six
// frequencies after t years of exposure at the age A0 + t.
double EvolutionDamage(const EvolutionState& state, double years, double fractile);

// The number of rows (and points of each curve): the t = 2, 4, ... 40 with
// A0 + t at most 70.
int EvolutionRowCount(const EvolutionState& state);

// values[i][c] = D(2 (i + 1), fractile of curve c) for the rows counted
// above; returns that count. Later rows are left untouched.
int ComputeEvolutionTable(const EvolutionState& state,
                          double values[kEvolutionTimes][kEvolutionCurves]);

// The title of both views, one line: " Danno (%) -  Frattile:  15 %   Leq: 90.0
// dBA   Età di inizio:  18  Sesso: M   Tabella: Nuova".
void FormatEvolutionTitle(const EvolutionState& state, char* text, size_t capacity);

// The table text producer of the damage evolution views (4096-byte block,
// list separator), from g_evolutionState.
void BuildEvolutionReport(char* buffer, const char* separator);

// The same text from the given state into a block of the given capacity.
void BuildEvolutionReportOf(const EvolutionState& state, char* buffer, size_t capacity,
                            const char* separator);
