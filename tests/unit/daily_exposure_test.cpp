#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exposure/daily_exposure.h"

namespace {

struct Outputs {
    std::string laeq, total, lepd;
};

Outputs Lepd(std::vector<double> levels, std::vector<double> durations, int unit)
{
    DailyExposure r = ComputeDailyExposure(levels.data(), durations.data(), levels.size(), unit);
    DailyExposureTexts t = FormatDailyExposure(r, unit);
    return {t.laeq, t.total, t.lepd};
}

TEST(DailyExposure, EightHoursAtNinetyIsNinety)
{
    Outputs o = Lepd({90}, {480}, kTimeMinutes);
    EXPECT_EQ(o.laeq, "90.0");
    EXPECT_EQ(o.total, "   480");
    EXPECT_EQ(o.lepd, "90.0");
}

TEST(DailyExposure, HalfDayLosesThreeDecibels)
{
    // 10 log10(4/8) = -3.01
    EXPECT_EQ(Lepd({90}, {4}, kTimeHours).lepd, "87.0");
    EXPECT_EQ(Lepd({90}, {4}, kTimeHours).total, "4.00");
}

TEST(DailyExposure, TwoHalvesOfTheDay)
{
    // 10 log10((10^9 + 10^8) / 2) = 87.40
    Outputs o = Lepd({90, 80}, {4, 4}, kTimeHours);
    EXPECT_EQ(o.laeq, "87.4");
    EXPECT_EQ(o.total, "8.00");
    EXPECT_EQ(o.lepd, "87.4");
}

TEST(DailyExposure, MinutesReadAsHours)
{
    // 480 h: 90 + 10 log10(480 / 8) = 107.78
    Outputs o = Lepd({90}, {480}, kTimeHours);
    EXPECT_EQ(o.total, "480.00");
    EXPECT_EQ(o.lepd, "107.8");
    EXPECT_EQ(o.laeq, "90.0");
}

TEST(DailyExposure, SecondsUnitShowsSeconds)
{
    Outputs o = Lepd({85}, {28800}, kTimeSeconds);
    EXPECT_EQ(o.total, " 28800");
    EXPECT_EQ(o.lepd, "85.0");
}

TEST(DailyExposure, EmptyListShowsZeros)
{
    Outputs o = Lepd({}, {}, kTimeMinutes);
    EXPECT_EQ(o.laeq, " 0.0");
    EXPECT_EQ(o.total, "     0");
    EXPECT_EQ(o.lepd, " 0.0");
    EXPECT_EQ(Lepd({}, {}, kTimeHours).total, "0.00");
}

TEST(DailyExposure, NegativeLevelsTakePart)
{
    // 10 log10((10^-1 + 10^0) / 2) = -2.596
    Outputs o = Lepd({-10, 0.0001}, {60, 60}, kTimeMinutes);
    EXPECT_EQ(o.laeq, "-2.6");
}

TEST(DailyExposure, DurationsSummingToZeroOrLessGiveZeroNotNan)
{
    Outputs cancel = Lepd({90, 90}, {60, -60}, kTimeMinutes);
    EXPECT_EQ(cancel.laeq, " 0.0");
    EXPECT_EQ(cancel.lepd, " 0.0");
    EXPECT_EQ(cancel.total, "     0");

    Outputs negative = Lepd({90}, {-60}, kTimeMinutes);
    EXPECT_EQ(negative.laeq, " 0.0");
    EXPECT_EQ(negative.lepd, " 0.0");
    EXPECT_EQ(negative.total, "   -60");

    // Positive total time but negative energy: the louder row has the
    // negative duration.
    Outputs energy = Lepd({100, 80}, {-10, 60}, kTimeMinutes);
    EXPECT_EQ(energy.laeq, " 0.0");
    EXPECT_EQ(energy.lepd, " 0.0");
    EXPECT_EQ(energy.total, "    50");
}

TEST(DailyExposure, HugeLevelsStayFinite)
{
    Outputs o = Lepd({5000, 4990}, {240, 240}, kTimeMinutes);
    // 5000 + 10 log10((1 + 0.1) / 2) = 4997.4
    EXPECT_EQ(o.laeq, "4997.4");
    EXPECT_EQ(o.lepd, "4997.4");
}

TEST(DailyExposure, UnknownUnitCountsAsMinutes)
{
    EXPECT_STREQ(TimeUnitOf(7).labelSuffix, "(m):");
    EXPECT_STREQ(TimeUnitOf(0).reportWord, "(secondi)");
    EXPECT_STREQ(TimeUnitOf(2).boxItem, "ore");
}

}  // namespace
