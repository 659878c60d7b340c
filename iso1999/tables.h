#pragma once
// Coefficient tables of the hearing threshold model: ISO 1999:1990 for the
// noise-induced shift, ISO 7029 for the age-related threshold.

enum {
    kNiptsRows = 6,
    kHtlaRows = 10,
    kQuantileFactors = 91  // whole percents 5 .. 95, index = percent - 5
};

// ISO 1999 coefficients of one frequency.
struct NiptsRow {
    int frequency;  // Hz
    double u, v;    // median: (u + v log10 t) (L - L0)^2
    double l0;      // dB; no shift at or below it
    double xu, yu;  // spread of the upper half of the distribution
    double xl, yl;  // spread of the lower half
};

// ISO 7029 coefficients of one frequency.
struct HtlaRow {
    int frequency;  // Hz
    double a;       // median: a (Y - 18)^2
    double bu, bl;  // spread constants of the upper and lower half
};

extern const NiptsRow NiptsTable[kNiptsRows];
extern const HtlaRow HtlaTableMen[kHtlaRows];
extern const HtlaRow HtlaTableWomen[kHtlaRows];

// The multiplier k of the spread for each whole-percent fractile, 5 % to
// 95 %; symmetric about 50 % where it is 0. These are the table's own values
// (25 % is 0.675), not recomputed from the normal distribution.
extern const double QuantileFactorTable[kQuantileFactors];
