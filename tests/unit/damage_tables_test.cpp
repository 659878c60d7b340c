#include <gtest/gtest.h>

#include "damage/damage_tables.h"

namespace {

EarLosses Ear(double l500, double l1000, double l2000, double l3000, double l4000, double l6000)
{
    EarLosses ear = {{l500, l1000, l2000, l3000, l4000, l6000}};
    return ear;
}

EarLosses Flat(double loss)
{
    return Ear(loss, loss, loss, loss, loss, loss);
}

const double kTol = 1e-9;

TEST(DamageTableLookup, InterpolatesBetweenRows)
{
    // 15.75 + (42 - 40) * (22.75 - 15.75) / 5
    EXPECT_NEAR(TableDamage(42, 2000, kDamageTableNew), 18.55, kTol);
    EXPECT_NEAR(TableDamage(26, 500, kDamageTableNew), 0.25, kTol);
    EXPECT_NEAR(TableDamage(21, 500, kDamageTableOld), 0.554, kTol);  // 2.77 / 5
    EXPECT_NEAR(TableDamage(87.5, 1000, kDamageTableBiological), 29.25, kTol);  // 28.5 + 0.75
}

TEST(DamageTableLookup, ExactThresholdsGiveTheRowValue)
{
    EXPECT_EQ(TableDamage(25, 500, kDamageTableNew), 0.0);
    EXPECT_EQ(TableDamage(25, 4000, kDamageTableBiological), 0.0);
    EXPECT_EQ(TableDamage(20, 2000, kDamageTableOld), 0.0);
    EXPECT_DOUBLE_EQ(TableDamage(45, 3000, kDamageTableNew), 5.5);
    EXPECT_DOUBLE_EQ(TableDamage(30, 2000, kDamageTableOld), 8.88);
    EXPECT_DOUBLE_EQ(TableDamage(90, 4000, kDamageTableBiological), 2.0);
}

TEST(DamageTableLookup, SaturatesAboveTheLastRowAndIsZeroBelowTheFirst)
{
    EXPECT_DOUBLE_EQ(TableDamage(100, 500, kDamageTableNew), 25.0);
    EXPECT_DOUBLE_EQ(TableDamage(1e9, 2000, kDamageTableOld), 40.0);
    EXPECT_DOUBLE_EQ(TableDamage(91, 1000, kDamageTableBiological), 30.0);
    EXPECT_EQ(TableDamage(-30, 500, kDamageTableNew), 0.0);
    EXPECT_EQ(TableDamage(19.99, 500, kDamageTableOld), 0.0);
}

TEST(DamageTableLookup, OtherFrequenciesAndTablesGiveZero)
{
    EXPECT_EQ(TableDamage(60, 6000, kDamageTableNew), 0.0);
    EXPECT_EQ(TableDamage(60, 250, kDamageTableBiological), 0.0);
    EXPECT_EQ(TableDamage(60, 1000, (DamageTableId)4577), 0.0);
}

TEST(DamageTableLookup, LastRowsSumToOneHundred)
{
    const int frequencies[5] = {500, 1000, 2000, 3000, 4000};
    const DamageTableId tables[3] = {kDamageTableNew, kDamageTableOld, kDamageTableBiological};
    for (DamageTableId table : tables) {
        double sum = 0;
        for (int f : frequencies)
            sum += TableDamage(200, f, table);
        EXPECT_NEAR(sum, 100.0, kTol) << table;
    }
}

TEST(DamageEar, FortyDecibelsEverywhere)
{
    // new: 0.6 (11.25 + 11.25 + 15.75 + 3 + 1.5); old: 0.6 (11.11 + 13.33 +
    // 17.77 + 2.22), 3000 Hz ignored; biological: 0.5 (5 + 6 + 7 + 1.6 + 0.4)
    EXPECT_NEAR(ComputeEarDamage(Flat(40), kDamageTableNew), 25.65, kTol);
    EXPECT_NEAR(ComputeEarDamage(Flat(40), kDamageTableOld), 26.658, kTol);
    EXPECT_NEAR(ComputeEarDamage(Flat(40), kDamageTableBiological), 10.0, kTol);
}

TEST(DamageEar, OldTableNotchAddsFourOnlyAboveFortyDecibels)
{
    // S = 5.55 + 6.66 + 8.88 + 5 (75 dB saturates), 0.6 S = 15.654, notch 45 dB
    EarLosses notched = Ear(30, 30, 30, 50, 75, 0);
    EXPECT_TRUE(HasNotch(notched));
    EXPECT_NEAR(ComputeEarDamage(notched, kDamageTableOld), 19.654, kTol);
    // 70 - 30 = 40 exactly: 0.6 (5.55 + 6.66 + 8.88 + 5) and no notch
    EarLosses edge = Ear(30, 30, 30, 50, 70, 0);
    EXPECT_FALSE(HasNotch(edge));
    EXPECT_NEAR(ComputeEarDamage(edge, kDamageTableOld), 15.654, kTol);
    // The other tables have no notch bonus: 0.6 (1.25 * 2 + 1.75 + 7.5 + 5)
    EXPECT_NEAR(ComputeEarDamage(notched, kDamageTableNew), 10.05, kTol);
}

TEST(DamageEar, SixThousandHertzIsIgnoredAndMaximaHold)
{
    EXPECT_EQ(ComputeEarDamage(Ear(0, 0, 0, 0, 0, 120), kDamageTableNew), 0.0);
    EXPECT_NEAR(ComputeEarDamage(Flat(120), kDamageTableNew), 60.0, kTol);
    EXPECT_NEAR(ComputeEarDamage(Flat(120), kDamageTableBiological), 50.0, kTol);
    EXPECT_NEAR(ComputeEarDamage(Ear(120, 120, 0, 0, 120, 0), kDamageTableOld), 0.6 * 60 + 4, kTol);
}

TEST(DamageCombine, IndustriaAgricolturaAndBiological)
{
    EarLosses left = Flat(40), right = Flat(20);
    // (3 * 0 + 25.65) * 0.25 and (2 * 0 + 25.65) / 3
    EXPECT_NEAR(CombineEarDamage(left, right, kDamageTableNew, kCombineIndustria, false), 6.4125,
                kTol);
    EXPECT_NEAR(CombineEarDamage(left, right, kDamageTableNew, kCombineAgricoltura, false), 8.55,
                kTol);
    // Biological, one ear at 0: 0.24 * 10, whatever the formula
    EXPECT_NEAR(CombineEarDamage(left, right, kDamageTableBiological, kCombineIndustria, false),
                2.4, kTol);
    EXPECT_NEAR(CombineEarDamage(right, left, kDamageTableBiological, kCombineAgricoltura, false),
                2.4, kTol);
    // Both at 40: (4 * 10 + 10) * 0.2
    EXPECT_NEAR(CombineEarDamage(left, left, kDamageTableBiological, kCombineAgricoltura, false),
                10.0, kTol);
}

TEST(DamageCombine, SymmetricReturnsTheLeftEarWhateverTheFormula)
{
    EarLosses left = Flat(40), right = Flat(90);
    EXPECT_NEAR(CombineEarDamage(left, right, kDamageTableNew, kCombineIndustria, true), 25.65,
                kTol);
    EXPECT_NEAR(CombineEarDamage(left, right, kDamageTableNew, kCombineAgricoltura, true), 25.65,
                kTol);
    EXPECT_NEAR(CombineEarDamage(Ear(30, 30, 30, 50, 75, 0), right, kDamageTableOld,
                                 kCombineIndustria, true),
                19.654, kTol);
}

TEST(DamageCombine, OldTableNotchCountedOnce)
{
    EarLosses notched = Ear(30, 30, 30, 50, 75, 0);
    // Both notched: each ear 15.654, combined 15.654, plus 4
    EXPECT_NEAR(CombineEarDamage(notched, notched, kDamageTableOld, kCombineIndustria, false),
                19.654, kTol);
    EXPECT_NEAR(CombineEarDamage(notched, notched, kDamageTableOld, kCombineAgricoltura, false),
                19.654, kTol);
    // Left alone notched: left 19.654, right 26.658 - 4 = 22.658,
    // (3 * 19.654 + 22.658) * 0.25
    EXPECT_NEAR(CombineEarDamage(notched, Flat(40), kDamageTableOld, kCombineIndustria, false),
                20.405, kTol);
    // Right alone notched: the same by symmetry
    EXPECT_NEAR(CombineEarDamage(Flat(40), notched, kDamageTableOld, kCombineIndustria, false),
                20.405, kTol);
}

TEST(DamageNames, TableNames)
{
    EXPECT_STREQ(DamageTableName(kDamageTableNew), "Nuova");
    EXPECT_STREQ(DamageTableName(kDamageTableOld), "Vecchia");
    EXPECT_STREQ(DamageTableName(kDamageTableBiological), "Biologico");
}

}  // namespace
