#pragma once
// Hearing-damage percentages from hearing-threshold losses by the OTREM
// compensation tables (new 1994, old 1991, biological 2000).

// The table choice; the values are also the ids of the radio buttons that
// offer it in every calculator.
enum DamageTableId {
    kDamageTableNew = 4574,        // "N&uova"
    kDamageTableOld = 4575,        // "V&ecchia"
    kDamageTableBiological = 4576  // "&Biologico"
};

// The two-ear formula; the values are the ids of its radio buttons.
enum CombineFormula {
    kCombineIndustria = 376,
    kCombineAgricoltura = 377
};

enum { kEarFrequencies = 6 };

// One ear's hearing-threshold losses in dB at 500, 1000, 2000, 3000, 4000 and
// 6000 Hz. The 6000 Hz value is carried for the audiogram and the reports;
// it takes no part in the damage.
struct EarLosses {
    double db[kEarFrequencies];
};

// The frequencies of EarLosses, in order.
extern const int kEarFrequencyHz[kEarFrequencies];

// Damage points of one frequency (500, 1000, 2000, 3000 or 4000 Hz; any other
// frequency gives 0): 0 at or below the first threshold, linear between rows,
// the last row's value above the last threshold. An unknown table gives 0.
double TableDamage(double loss, int frequency, DamageTableId table);

// Damage percentage of one ear: 0.6 (new, old) or 0.5 (biological) times the
// sum of the table damages; the old table ignores 3000 Hz and adds 4 when the
// 4000 Hz loss exceeds the 2000 Hz loss by more than 40 dB (the notch).
double ComputeEarDamage(const EarLosses& ear, DamageTableId table);

// True when the ear meets the 4000 Hz notch condition of the old table.
bool HasNotch(const EarLosses& ear);

// Final percentage of both ears by the chosen formula. With symmetric set the
// left ear stands for both and the right ear is not read.
double CombineEarDamage(const EarLosses& left, const EarLosses& right, DamageTableId table,
                        CombineFormula formula, bool symmetric);

// "Nuova", "Vecchia" or "Biologico" (an unknown table reads "Nuova").
const char* DamageTableName(DamageTableId table);
