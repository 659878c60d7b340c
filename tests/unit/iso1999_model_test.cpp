#include <gtest/gtest.h>

#include <cmath>

#include "iso1999/model.h"
#include "iso1999/tables.h"

namespace {

Iso1999Input Record(double years, double level, double age, int sex, int frequency,
                    double fractile)
{
    Iso1999Input r;
    r.years = years;
    r.level = level;
    r.age = age;
    r.sex = sex;
    r.frequency = frequency;
    r.fractile = fractile;
    return r;
}

const double kTol = 1e-9;

TEST(Iso1999Tables, QuantileFactorsAreSymmetricWithZeroAtTheMedian)
{
    for (int i = 0; i < kQuantileFactors; ++i)
        EXPECT_EQ(QuantileFactorTable[i], QuantileFactorTable[90 - i]) << i;
    EXPECT_EQ(QuantileFactorTable[45], 0.0);
    EXPECT_EQ(QuantileFactor(0.05), 1.645);
    EXPECT_EQ(QuantileFactor(0.16), 0.995);
    EXPECT_EQ(QuantileFactor(0.25), 0.675);
    EXPECT_EQ(QuantileFactor(0.75), 0.675);
    EXPECT_EQ(QuantileFactor(0.95), 1.645);
    EXPECT_EQ(QuantileFactor(0.41), 0.228);
    // Monotonic from 5 % to 50 %
    for (int i = 1; i <= 45; ++i)
        EXPECT_LT(QuantileFactorTable[i], QuantileFactorTable[i - 1]) << i;
}

TEST(Iso1999Tables, FractileReachedBySumsFindsItsRow)
{
    double q = 0.05;
    for (int i = 0; i < 10; ++i)
        q += 0.05;
    EXPECT_LT(q, 0.55);  // slightly below
    EXPECT_EQ(QuantileFactor(q), 0.126);
    // 0.05001 + 0.01 steps, as the risk scan goes
    double s = 0.05001;
    for (int i = 0; i < 45; ++i)
        s += 0.01;
    EXPECT_EQ(QuantileFactor(s), 0.0);
}

TEST(Iso1999Tables, FractilesOutsideTheTableUseItsEnds)
{
    EXPECT_EQ(QuantileFactor(0.01), 1.645);
    EXPECT_EQ(QuantileFactor(0.99), 1.645);
    EXPECT_EQ(QuantileFactor(-3.0), 1.645);
    EXPECT_EQ(QuantileFactor(NAN), 1.645);
}

TEST(Iso1999Nipts, MedianAtTwentyYears)
{
    // (0.025 + 0.025 log10 20) (90 - 75)^2
    EXPECT_NEAR(ComputeNipts(Record(20, 90, 0, 1, 4000, 0.5)), 12.9433, 1e-4);
}

TEST(Iso1999Nipts, BelowTenYearsEveryFractileIsItsTenYearValueScaled)
{
    // 95 dBA, 4000 Hz: at 10 years 20 dB + 1.645 x 5.6 at 5 %, - 1.645 x 5.6
    // at 95 %, scaled by log10 2 / log10 11 at 1 year, log10 3 / log10 11 at 2.
    const double expected[2][3] = {{8.44416, 5.78130, 3.11843}, {13.38368, 9.16314, 4.94260}};
    for (int t = 1; t <= 2; ++t)
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(ComputeNipts(Record(t, 95, 0, 1, 4000, 0.05 + 0.45 * i)), expected[t - 1][i], 1e-5);
    // 90 dBA, 5 years: N50 = 0.05 * 225 * log10 6 / log10 11 = 8.40624
    EXPECT_NEAR(ComputeNipts(Record(5, 90, 0, 1, 4000, 0.5)), 8.40624, 1e-5);
    // At exactly 10 years both forms agree: (u + v) D
    EXPECT_NEAR(ComputeNipts(Record(10, 90, 0, 1, 4000, 0.5)), 11.25, kTol);
    EXPECT_NEAR(ComputeNipts(Record(9.999999, 90, 0, 1, 4000, 0.10)),
                ComputeNipts(Record(10, 90, 0, 1, 4000, 0.10)), 1e-5);
}

TEST(Iso1999Nipts, FiftyFivePercentRowAfterRepeatedSums)
{
    double q = 0.05;
    for (int i = 0; i < 10; ++i)
        q += 0.05;
    // 35 years, 90 dBA, 4000 Hz: N50 = 14.31038, dl = 2.90518; N50 - 0.126 dl
    EXPECT_NEAR(ComputeNipts(Record(35, 90, 0, 1, 4000, q)), 13.94433, 1e-5);
    EXPECT_NEAR(ComputeNipts(Record(35, 90, 0, 1, 4000, 0.10)), 19.76111, 1e-5);
}

TEST(Iso1999Nipts, NoShiftAtOrBelowL0)
{
    const double fractiles[3] = {0.05, 0.5, 0.95};
    for (double q : fractiles) {
        EXPECT_EQ(ComputeNipts(Record(40, 93, 0, 1, 500, q)), 0.0);
        EXPECT_EQ(ComputeNipts(Record(40, 75, 0, 1, 4000, q)), 0.0);
        EXPECT_EQ(ComputeNipts(Record(40, 60, 0, 1, 2000, q)), 0.0);
        // HTLAN then equals HTLA
        Iso1999Input r = Record(40, 75, 60, 1, 4000, q);
        EXPECT_EQ(ComputeHtlan(r), ComputeHtla(r));
    }
}

TEST(Iso1999Nipts, OtherFrequenciesAndNoExposureTimeGiveZero)
{
    EXPECT_EQ(ComputeNipts(Record(30, 100, 60, 1, 1500, 0.1)), 0.0);
    EXPECT_EQ(ComputeNipts(Record(30, 100, 60, 1, 125, 0.1)), 0.0);
    EXPECT_EQ(ComputeNipts(Record(30, 100, 60, 1, 8000, 0.1)), 0.0);
    // log10 0 is not taken: no time, no shift
    EXPECT_EQ(ComputeNipts(Record(0, 100, 60, 1, 4000, 0.1)), 0.0);
    EXPECT_EQ(ComputeNipts(Record(-2, 100, 60, 1, 4000, 0.9)), 0.0);
}

TEST(Iso1999Htla, AgeEighteenGivesTheSpreadConstantsOnly)
{
    // H50 = 0: +k bu above the median, -k bl below it (negative as computed)
    EXPECT_NEAR(ComputeHtla(Record(0, 0, 18, 1, 4000, 0.10)), 1.282 * 8.34, kTol);
    EXPECT_NEAR(ComputeHtla(Record(0, 0, 18, 1, 4000, 0.90)), -1.282 * 6.67, kTol);
    EXPECT_NEAR(ComputeHtla(Record(0, 0, 18, 2, 4000, 0.90)), -1.282 * 6.23, kTol);
    EXPECT_EQ(ComputeHtla(Record(0, 0, 18, 1, 4000, 0.50)), 0.0);
    EXPECT_EQ(ComputeHtla(Record(0, 0, 12, 2, 1000, 0.50)), 0.0);
}

TEST(Iso1999Htla, MenAndWomenAtSixty)
{
    // men 4000 Hz: H50 = 0.016 * 42^2 = 28.224, su = 8.34 + 0.445 H50
    EXPECT_NEAR(ComputeHtla(Record(0, 0, 60, 1, 4000, 0.5)), 28.224, kTol);
    EXPECT_NEAR(ComputeHtla(Record(0, 0, 60, 1, 4000, 0.10)), 55.01738976, 1e-8);
    // sl = 6.67 + 0.356 H50 = 16.717744
    EXPECT_NEAR(ComputeHtla(Record(0, 0, 60, 1, 4000, 0.90)), 28.224 - 1.282 * 16.717744, 1e-9);
    EXPECT_NEAR(ComputeHtla(Record(0, 0, 60, 2, 4000, 0.5)), 15.876, kTol);
    // 3000 Hz men: bl 6.32 (0.0115 * 1764 = 20.286)
    EXPECT_NEAR(ComputeHtla(Record(0, 0, 60, 1, 3000, 0.95)),
                20.286 - 1.645 * (6.32 + 0.356 * 20.286), 1e-9);
}

TEST(Iso1999Htla, FrequenciesOutsideTheNoiseTableAreAvailable)
{
    EXPECT_NEAR(ComputeHtla(Record(0, 0, 60, 1, 1500, 0.5)), 9.702, kTol);
    EXPECT_NEAR(ComputeHtla(Record(0, 0, 60, 2, 125, 0.5)), 5.292, kTol);
    EXPECT_NEAR(ComputeHtla(Record(0, 0, 60, 1, 8000, 0.5)), 38.808, kTol);
    EXPECT_EQ(ComputeHtla(Record(0, 0, 60, 1, 750, 0.5)), 0.0);
    EXPECT_EQ(ComputeHtla(Record(0, 0, 60, 3, 4000, 0.5)), 0.0);
    EXPECT_EQ(ComputeHtla(Record(0, 0, 60, 0, 4000, 0.1)), 0.0);
}

TEST(Iso1999Combination, AniptsAndHtlan)
{
    // 35 years, 90 dBA, age 60, men, 4000 Hz, 10 %: N 19.76111, H 55.01739
    Iso1999Input r = Record(35, 90, 60, 1, 4000, 0.10);
    EXPECT_NEAR(ComputeAnipts(r), 10.70107, 1e-5);
    EXPECT_NEAR(ComputeHtlan(r), 65.71846, 1e-5);
    EXPECT_NEAR(ComputeHtlan(r), ComputeHtla(r) + ComputeAnipts(r), 1e-12);
    // H + N - H N / 120 with round numbers
    EXPECT_DOUBLE_EQ(CombineHtlan(30, 60), 60 + 30 - 60 * 30 / 120.0);
    EXPECT_DOUBLE_EQ(CombineAnipts(30, 60), 15);
}

TEST(Iso1999Evaluate, WritesFractileAndFrequencyAndSelects)
{
    Iso1999Input r = Record(35, 90, 60, 1, 500, 0.5);
    EXPECT_NEAR(EvaluateQuantity(kQuantityNipts, &r, 0.10, 4000), 19.76111, 1e-5);
    EXPECT_EQ(r.frequency, 4000);
    EXPECT_EQ(r.fractile, 0.10);
    EXPECT_NEAR(EvaluateQuantity(kQuantityHtla, &r, 0.10, 4000), 55.01739, 1e-5);
    EXPECT_NEAR(EvaluateQuantity(kQuantityHtlan, &r, 0.10, 4000), 65.71846, 1e-5);
    EXPECT_NEAR(EvaluateQuantity(kQuantityAnipts, &r, 0.10, 4000), 10.70107, 1e-5);
    EXPECT_EQ(EvaluateQuantity(4554, &r, 0.3, 2000), 0.0);
    EXPECT_EQ(r.frequency, 2000);
    EXPECT_EQ(r.fractile, 0.3);
}

TEST(Iso1999Evaluate, FiniteForEveryInputTheDialogsAllow)
{
    const int frequencies[6] = {500, 1000, 2000, 3000, 4000, 6000};
    const double years[5] = {0.0000001, 0.5, 9.99, 10, 40};
    const double levels[4] = {0.1, 75, 100, 140};
    const double ages[4] = {18, 18.5, 70, 9999999};
    for (int f : frequencies)
        for (double t : years)
            for (double l : levels)
                for (double y : ages)
                    for (int sex = 1; sex <= 2; ++sex)
                        for (int p = 5; p <= 95; p += 5) {
                            Iso1999Input r = Record(t, l, y, sex, f, p / 100.0);
                            ASSERT_TRUE(std::isfinite(ComputeHtlan(r)))
                                << f << " " << t << " " << l << " " << y;
                            ASSERT_TRUE(std::isfinite(ComputeAnipts(r)));
                        }
}

}  // namespace
