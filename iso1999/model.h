#pragma once
// Hearing threshold model of the ISO 1999 calculators: the noise-induced
// permanent threshold shift (ISO 1999:1990), the threshold associated with
// age (ISO 7029) and their combination, for one frequency and one fractile.

// The exposure record; each calculator owns one.
struct Iso1999Input {
    double years;    // exposure time t in years
    double level;    // A-weighted exposure level L, dBA
    double age;      // age Y in years
    int sex;         // 1 male, 2 female
    int frequency;   // audiometric frequency, Hz
    double fractile; // Q, 0.05 .. 0.95: share of the population above the value
};

// What to compute; the values are the ids of the threshold-shift dialog's
// option buttons, shared by every calculator.
enum Iso1999Quantity {
    kQuantityNipts = 4550,
    kQuantityHtla = 4551,
    kQuantityHtlan = 4552,
    kQuantityAnipts = 4553
};

// The spread multiplier k of a fractile: the table row of Q in whole percent
// (rounded to nearest, so 0.55 reached by repeated sums of 0.05 still finds
// the 55 % row). Fractiles outside 5..95 % use the nearest end row.
double QuantileFactor(double fractile);

// The parts of NIPTS that do not depend on the fractile.
struct NiptsTerms {
    double median;  // N50
    double upper;   // du, spread of the upper half
    double lower;   // dl, spread of the lower half
};

// The parts of HTLA that do not depend on the fractile.
struct HtlaTerms {
    double median;  // H50
    double upper;   // su
    double lower;   // sl
};

// NIPTS terms of the record's frequency, years and level. All zero for a
// frequency not in the table, a level at or below L0, or no exposure time.
NiptsTerms NiptsTermsOf(const Iso1999Input& record);

// HTLA terms of the record's frequency, sex and age; all zero for a frequency
// or sex not in the tables.
HtlaTerms HtlaTermsOf(const Iso1999Input& record);

// The value at a fractile: median + k upper below Q = 0.5, median - k lower
// from 0.5 up.
double NiptsAt(const NiptsTerms& terms, double fractile);
double HtlaAt(const HtlaTerms& terms, double fractile);

// N (1 - H/120) and H + N (1 - H/120), ISO 1999's combination rule.
double CombineAnipts(double nipts, double htla);
double CombineHtlan(double nipts, double htla);

// The four quantities at the record's frequency and fractile, in dB.
double ComputeNipts(const Iso1999Input& record);
double ComputeHtla(const Iso1999Input& record);
double ComputeAnipts(const Iso1999Input& record);
double ComputeHtlan(const Iso1999Input& record);

// Writes fractile and frequency into the record and returns the chosen
// quantity; any other selector gives 0.
double EvaluateQuantity(int quantity, Iso1999Input* record, double fractile, int frequency);
