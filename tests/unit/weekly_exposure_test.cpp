#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "exposure/weekly_exposure.h"

namespace {

std::string Lepw(double mo, double tu, double we, double th, double fr, double sa, double su)
{
    const double levels[7] = {mo, tu, we, th, fr, sa, su};
    char text[32];
    FormatWeeklyExposure(ComputeWeeklyExposure(levels), text, sizeof text);
    return text;
}

TEST(WeeklyExposure, InitialWeek)
{
    // 10 log10((5 * 10^9 + 2) / 5)
    EXPECT_NEAR(ComputeWeeklyExposure(kInitialWeekLevels), 90.0 + 10 * std::log10(1 + 0.4e-9),
                1e-9);
    EXPECT_EQ(Lepw(90, 90, 90, 90, 90, 0, 0), "90.0");
    EXPECT_STREQ(kWeekDayNames[0], "Lunedi");
    EXPECT_STREQ(kWeekDayNames[2], "Mercoledi");
    EXPECT_STREQ(kWeekDayNames[6], "Domenica");
    EXPECT_EQ(kInitialWeekLevels[5], 0.0);
}

TEST(WeeklyExposure, DividedByFiveWhateverTheDays)
{
    EXPECT_EQ(Lepw(85, 85, 85, 85, 85, 0, 0), "85.0");
    EXPECT_EQ(Lepw(85, 85, 85, 85, 85, 85, 85), "86.5");  // 85 + 10 log10(7/5)
    EXPECT_EQ(Lepw(90, 0, 0, 0, 0, 0, 0), "83.0");        // 90 - 10 log10 5
}

TEST(WeeklyExposure, DaysAtZeroAddOne)
{
    // Seven days at 0: 10 log10(7 / 5)
    const double zero[7] = {0, 0, 0, 0, 0, 0, 0};
    EXPECT_NEAR(ComputeWeeklyExposure(zero), 10 * std::log10(1.4), 1e-12);
    EXPECT_EQ(Lepw(0, 0, 0, 0, 0, 0, 0), " 1.5");
    // 10 dB for one day: 10 log10((10 + 6) / 5)
    EXPECT_NEAR(ComputeWeeklyExposure(std::array<double, 7>{10, 0, 0, 0, 0, 0, 0}.data()),
                10 * std::log10(16.0 / 5), 1e-12);
}

TEST(WeeklyExposure, ExtremeLevelsStayFinite)
{
    EXPECT_EQ(Lepw(5000, 5000, 5000, 5000, 5000, 0, 0), "5000.0");
    const double low[7] = {-5000, -5000, -5000, -5000, -5000, -5000, -5000};
    EXPECT_NEAR(ComputeWeeklyExposure(low), -5000 + 10 * std::log10(1.4), 1e-9);
    const double mixed[7] = {1e308, -1e308, 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::isfinite(ComputeWeeklyExposure(mixed)));
}

}  // namespace
