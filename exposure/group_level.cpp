#include "exposure/group_level.h"

#include <cmath>
#include <cstdio>

const char* const kConfidenceTexts[kConfidenceChoices] = {"90", "95", "97.5", "99"};

// One-sided t quantiles for 0.90, 0.95, 0.975, 0.99; rows nu = 1 .. 30.
static const double kStudentT[30][kConfidenceChoices] = {
    {3.078, 6.314, 12.706, 31.821},
    {1.886, 2.920, 4.303, 6.965},
    {1.638, 2.353, 3.182, 4.541},
    {1.533, 2.132, 2.776, 3.747},
    {1.476, 2.015, 2.571, 3.365},
    {1.440, 1.943, 2.447, 3.143},
    {1.415, 1.895, 2.365, 2.998},
    {1.397, 1.860, 2.306, 2.896},
    {1.383, 1.833, 2.262, 2.821},
    {1.372, 1.812, 2.228, 2.764},
    {1.363, 1.796, 2.201, 2.718},
    {1.356, 1.782, 2.179, 2.681},
    {1.350, 1.771, 2.160, 2.650},
    {1.345, 1.761, 2.145, 2.624},
    {1.341, 1.753, 2.131, 2.602},
    {1.337, 1.746, 2.120, 2.583},
    {1.333, 1.740, 2.110, 2.567},
    {1.330, 1.734, 2.101, 2.552},
    {1.328, 1.729, 2.093, 2.539},
    {1.325, 1.725, 2.086, 2.528},
    {1.323, 1.721, 2.080, 2.518},
    {1.321, 1.717, 2.074, 2.508},
    {1.319, 1.714, 2.069, 2.500},
    {1.318, 1.711, 2.064, 2.492},
    {1.316, 1.708, 2.060, 2.485},
    {1.315, 1.706, 2.056, 2.479},
    {1.314, 1.703, 2.052, 2.473},
    {1.313, 1.701, 2.048, 2.467},
    {1.311, 1.699, 2.045, 2.462},
    {1.310, 1.697, 2.042, 2.457},
};

// The nodes above 30 degrees of freedom: 40, 60, 120, 500.
static const double kStudentT40[kConfidenceChoices] = {1.303, 1.684, 2.021, 2.423};
static const double kStudentT60[kConfidenceChoices] = {1.296, 1.671, 2.000, 2.390};
static const double kStudentT120[kConfidenceChoices] = {1.289, 1.658, 1.980, 2.358};
static const double kStudentT500[kConfidenceChoices] = {1.282, 1.645, 1.960, 2.326};

double StudentT(int confidenceIndex, int nu)
{
    if (confidenceIndex < 0 || confidenceIndex >= kConfidenceChoices)
        return 0.0;
    const int c = confidenceIndex;
    if (nu < 1)
        nu = 1;
    if (nu <= 30)
        return kStudentT[nu - 1][c];
    const double t30 = kStudentT[29][c];
    if (nu <= 40)
        return t30 + (kStudentT40[c] - t30) * (nu - 30) * 0.1;
    if (nu <= 60)
        return kStudentT40[c] + (kStudentT60[c] - kStudentT40[c]) * (nu - 40) * 0.05;
    if (nu <= 120)
        return kStudentT60[c] + (kStudentT120[c] - kStudentT60[c]) * (nu - 60) / 60.0;
    if (nu <= 500)
        return kStudentT120[c] + (kStudentT500[c] - kStudentT120[c]) * (nu - 120) / 380.0;
    return kStudentT500[c];
}

double RoundHalfUp(double h)
{
    double n = std::floor(h);
    return h - n >= 0.5 ? n + 1.0 : n;
}

double HalfWidth(long totalWorkers, double deviation, int confidenceIndex, long count)
{
    // At count = N the sample is the whole group: no uncertainty left, even
    // for a deviation too large to multiply.
    if (count >= totalWorkers || count < 1)
        return 0.0;
    long nu = count - 1;
    double t = StudentT(confidenceIndex, nu > 501 ? 501 : (int)nu);
    double correction = std::sqrt((double)(totalWorkers - count) / (double)(totalWorkers - 1));
    return t * deviation / std::sqrt((double)count) * correction;
}

long RequiredSamples(long totalWorkers, double deviation, int confidenceIndex, int intervalDb)
{
    if (totalWorkers < kMinimumSamples)
        return kMinimumSamples;
    for (long m = kMinimumSamples; m <= totalWorkers; ++m)
        if (RoundHalfUp(HalfWidth(totalWorkers, deviation, confidenceIndex, m)) <= intervalDb)
            return m;
    return totalWorkers + 1;
}

// Mean and sample standard deviation as written, (x1 + ... + xn) / n and
// sqrt(sum (x - mean)^2 / (n - 1)); levels so extreme that the plain sums
// overflow are summed in shares and scaled instead, so the result stays finite.
static void MeanAndDeviation(const double* x, size_t n, double* mean, double* deviation)
{
    *mean = 0.0;
    *deviation = 0.0;
    if (n == 0)
        return;
    double sum = 0.0;
    for (size_t i = 0; i < n; ++i)
        sum += x[i];
    double m = sum / (double)n;
    if (!std::isfinite(m)) {
        m = 0.0;
        for (size_t i = 0; i < n; ++i)
            m += x[i] / (double)n;
    }
    *mean = m;
    if (n < 2)
        return;  // no spread from one sample

    double squares = 0.0;
    for (size_t i = 0; i < n; ++i)
        squares += (x[i] - m) * (x[i] - m);
    double s = std::sqrt(squares / (double)(n - 1));
    if (std::isfinite(s)) {
        *deviation = s;
        return;
    }
    // Halves, so that the difference of two extreme levels cannot overflow.
    double largest = 0.0;
    for (size_t i = 0; i < n; ++i) {
        double d = std::fabs(x[i] * 0.5 - m * 0.5);
        if (d > largest)
            largest = d;
    }
    squares = 0.0;
    for (size_t i = 0; i < n; ++i) {
        double r = (x[i] * 0.5 - m * 0.5) / largest;
        squares += r * r;
    }
    *deviation = 2.0 * largest * std::sqrt(squares / (double)(n - 1));
}

GroupLevel ComputeGroupLevel(const double* samples, size_t count, long totalWorkers,
                             int confidenceIndex, int intervalIndex)
{
    GroupLevel result = {kGroupComputed, count, 0.0, 0.0, 0, false};
    if (totalWorkers < kMinimumWorkers) {
        result.status = kGroupTooFewWorkers;
        return result;
    }
    for (size_t i = 0; i < count; ++i) {
        if (samples[i] == 0.0) {
            result.status = kGroupZeroSample;
            return result;
        }
    }
    MeanAndDeviation(samples, count, &result.mean, &result.deviation);
    result.required = RequiredSamples(totalWorkers, result.deviation, confidenceIndex,
                                      intervalIndex + 1);
    result.valid = count >= kMinimumSamples && result.required <= (long)count;
    return result;
}

void FormatGroupMessage(const GroupLevel& result, char* out, size_t capacity)
{
    if (!out || capacity == 0)
        return;
    if (result.valid)
        snprintf(out, capacity, "%s",
                 "Sono stati inseriti i campioni necessari per validare i risultati");
    else if (result.count < kMinimumSamples)
        snprintf(out, capacity, "Per far partire il calcolo è necessario inserire almeno %d campioni",
                 (int)kMinimumSamples);
    else
        snprintf(out, capacity, "Per validare i risultati è necessario inserire almeno %ld campioni",
                 result.required);
}
