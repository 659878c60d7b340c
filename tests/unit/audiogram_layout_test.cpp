#include <gtest/gtest.h>

#include <limits>

#include "damage/audiogram_layout.h"

namespace {

// The rectangle (10, 20) - (310, 181), worked out by hand: last column 309,
// last row 180, rows of 161 / 10 = 16 pixels, so the 90 dB line is row
// 20 + 144 = 164, which is also 180 - 16. A decade is 299 / log10(24) =
// 216.6, cut to 216 pixels.
class Audiogram300 : public testing::Test {
protected:
    void SetUp() override { LayOutAudiogram(10, 20, 310, 181, &layout_); }
    AudiogramLayout layout_;
};

TEST_F(Audiogram300, RowsAndDecade)
{
    EXPECT_EQ(layout_.right, 309);
    EXPECT_EQ(layout_.bottom, 180);
    EXPECT_EQ(layout_.rowHeight, 16);
    EXPECT_EQ(layout_.plotBottom, 164);
    EXPECT_EQ(layout_.decade, 216);
}

TEST_F(Audiogram300, FrequenciesOnTheLogarithmicAxis)
{
    // 10 + 35 + trunc(log10(f / 500) x 216): 0, 65.02, 130.04, 168.08,
    // 195.07, 233.10.
    const int expected[kEarFrequencies] = {45, 110, 175, 213, 240, 278};
    for (int k = 0; k < kEarFrequencies; ++k)
        EXPECT_EQ(AudiogramX(layout_, k), expected[k]) << kEarFrequencyHz[k] << " Hz";
}

TEST_F(Audiogram300, LossesGoDownTenDecibelsARow)
{
    const struct {
        double loss;
        int row;
    } kCases[] = {
        {0, 20},      {40, 84},     {90, 164},    {42.7, 88},  // 68.32 cut to 68
        {5, 28},      {120, 164},   {1e300, 164}, {-10, 20},
        {-1e300, 20}, {std::numeric_limits<double>::quiet_NaN(), 20},
        {std::numeric_limits<double>::infinity(), 164},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(AudiogramY(layout_, c.loss), c.row) << c.loss << " dB";
}

TEST(AudiogramLayout, ANarrowRectangleKeepsEveryFrequencyInside)
{
    AudiogramLayout layout;
    LayOutAudiogram(0, 0, 100, 50, &layout);
    // A decade of 99 / 1.38 = 71 pixels: 6000 Hz would be at 35 + 76.
    EXPECT_EQ(layout.decade, 71);
    EXPECT_EQ(AudiogramX(layout, 4), 99);  // 35 + 64 = 99, the last column
    EXPECT_EQ(AudiogramX(layout, 5), 99);  // 111, kept on the last column
    EXPECT_EQ(layout.rowHeight, 5);
    EXPECT_EQ(layout.plotBottom, 45);      // 90 dB; the foot 49 - 5 = 44 is higher
    EXPECT_EQ(AudiogramY(layout, 200), 45);
}

TEST(AudiogramLayout, AnEmptyRectangleGivesItsCorner)
{
    AudiogramLayout layout;
    LayOutAudiogram(5, 7, 5, 7, &layout);
    EXPECT_EQ(AudiogramX(layout, 5), 5);
    EXPECT_EQ(AudiogramY(layout, 90), 7);
}

TEST(WholeDecibels, TheLeadingWholeNumber)
{
    const struct {
        const char* text;
        int decibels;
    } kCases[] = {
        {"42.7", 42}, {" 35", 35},  {"-5", -5},  {"+7x", 7},  {"abc", 0},
        {"", 0},      {".5", 0},    {"1e3", 1},  {"90 dB", 90},
        {"99999999999999999999", 100000}, {"-99999999999999999999", -100000},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(WholeDecibels(c.text), c.decibels) << c.text;
    EXPECT_EQ(WholeDecibels(nullptr), 0);
}

}  // namespace
