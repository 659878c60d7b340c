#pragma once
// Equivalent level of a homogeneous group of workers from a sample: the mean
// of the measured levels, their standard deviation, and the number of samples
// needed for the chosen confidence and interval (one-sided Student t with a
// finite-population correction).

#include <cstddef>

enum {
    kConfidenceChoices = 4,  // "90", "95", "97.5", "99"
    kIntervalChoices = 10,   // "1" .. "10" dB
    kMinimumWorkers = 4,     // a group of fewer is refused
    kMinimumSamples = 3,
    kGroupMessageSize = 128
};

// The confidence list's texts, in order.
extern const char* const kConfidenceTexts[kConfidenceChoices];

// The one-sided Student t quantile for the confidence at the given position
// (0 .. 3) with nu degrees of freedom: the table for nu 1 .. 30, linear
// interpolation between the nodes 30, 40, 60, 120 and 500, the normal
// quantile above 500. Another position gives 0; nu below 1 reads as 1.
double StudentT(int confidenceIndex, int nu);

// Rounds a half-width to whole dB, halves upward.
double RoundHalfUp(double h);

// The half-width of the confidence interval of the mean of count samples
// from a group of totalWorkers: t(count - 1) s / sqrt(count)
// sqrt((N - count) / (N - 1)); 0 once the sample is the whole group.
double HalfWidth(long totalWorkers, double deviation, int confidenceIndex, long count);

// The first sample count m (3 .. N) whose half-width
// t(m - 1) s / sqrt(m) sqrt((N - m) / (N - 1)), rounded, is at most the
// interval; N + 1 when none is (a deviation that is not finite), and 3 for a
// group of fewer than 3.
long RequiredSamples(long totalWorkers, double deviation, int confidenceIndex, int intervalDb);

enum GroupStatus {
    kGroupComputed = 0,
    kGroupTooFewWorkers = 1,  // N below 4: "Inserire un valore maggiore di 3 ..."
    kGroupZeroSample = 2      // a sample reads 0: "Errore nei valori!"
};

struct GroupLevel {
    int status;         // GroupStatus; the other fields are meaningful only when computed
    size_t count;       // n
    double mean;        // arithmetic mean of the levels in dB (not an energy mean)
    double deviation;   // sqrt(sum (x - mean)^2 / (n - 1)); 0 for fewer than 2 samples
    long required;      // E
    bool valid;         // n >= 3 and E <= n
};

// The whole computation. intervalIndex is the list position (the interval in
// dB is intervalIndex + 1).
GroupLevel ComputeGroupLevel(const double* samples, size_t count, long totalWorkers,
                             int confidenceIndex, int intervalIndex);

// The result message: "Sono stati inseriti i campioni necessari per validare
// i risultati" when valid, else the request for at least 3 samples (fewer
// than 3) or for at least E.
void FormatGroupMessage(const GroupLevel& result, char* out, size_t capacity);
