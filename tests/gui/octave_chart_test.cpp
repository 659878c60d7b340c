// The octave-band bar chart drawn into a device-independent bitmap: the
// pixels of the bars, the grid, the borders and the scale where the drawing
// rules put them.

#include <gtest/gtest.h>

#include <windows.h>

#include "spectra/octave_chart.h"
#include "tests/gui/canvas.h"

using gui::Canvas;

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kUntouched = gui::kUntouched;

class OctaveChart : public testing::Test {
protected:
    void SetUp() override
    {
        face_ = GetSysColor(COLOR_BTNFACE);
        ASSERT_NE(face_, kBlack);
        ASSERT_NE(face_, kWhite);
    }
    COLORREF face_;
};

// The noise scale: 140 dB in 14 rows, in the rectangle (10, 15)-(221, 161).
// By hand: the 0 line is the last row, 160; rows of (160 - 15) / 14 = 10
// pixels put the 140 line at 20. The plot starts at 10 + 211 / 10 = 31 and
// ends at 220; inside its borders the bars run from 33 to 218, seven columns
// of 186 / 7 = 26 pixels: bar k from 33 + 26 k to 58 + 26 k. They stand on
// row 158, and their height is (158 - 20) L / 140 = 138 L / 140, cut toward
// zero.
class NoiseScale : public OctaveChart {
protected:
    void Draw(const double levels[7])
    {
        RECT area = {10, 15, 221, 161};
        DrawOctaveChart(canvas_.dc(), area, levels, 140.0, 14);
    }
    Canvas canvas_{240, 180};
};

TEST_F(NoiseScale, BarsAreWhiteWithABlackFrameUpToTheirLevel)
{
    const double levels[7] = {0, 70, 140, 10, 130, -5, 150};
    Draw(levels);

    // 70 dB: 69 pixels above row 158, so its top is row 89; columns 59..84.
    EXPECT_EQ(canvas_.At(70, 88), face_);
    EXPECT_EQ(canvas_.At(70, 89), kBlack);
    EXPECT_EQ(canvas_.At(70, 90), kWhite);  // over the grid line of 70 dB
    EXPECT_EQ(canvas_.At(70, 125), kWhite);
    EXPECT_EQ(canvas_.At(70, 157), kWhite);
    EXPECT_EQ(canvas_.At(70, 158), kBlack);
    EXPECT_EQ(canvas_.At(59, 125), kBlack);
    EXPECT_EQ(canvas_.At(60, 125), kWhite);
    EXPECT_EQ(canvas_.At(83, 125), kWhite);
    EXPECT_EQ(canvas_.At(84, 125), kBlack);

    // 140 dB reaches the top of the plot area, the 140 line at row 20.
    EXPECT_EQ(canvas_.At(95, 19), face_);
    EXPECT_EQ(canvas_.At(95, 20), kBlack);
    EXPECT_EQ(canvas_.At(95, 21), kWhite);

    // 130 dB: 128 pixels, top on row 30, which is the 130 line.
    EXPECT_EQ(canvas_.At(150, 29), face_);
    EXPECT_EQ(canvas_.At(150, 30), kBlack);
    EXPECT_EQ(canvas_.At(150, 31), kWhite);

    // 10 dB: 138 x 10 / 140 = 9.86, cut to 9: top on row 149.
    EXPECT_EQ(canvas_.At(120, 148), face_);
    EXPECT_EQ(canvas_.At(120, 149), kBlack);
    EXPECT_EQ(canvas_.At(120, 150), kWhite);

    // 150 dB goes above the plot area but not out of the rectangle.
    EXPECT_EQ(canvas_.At(200, 14), kUntouched);
    EXPECT_EQ(canvas_.At(200, 15), kBlack);
    EXPECT_EQ(canvas_.At(200, 16), kWhite);
}

TEST_F(NoiseScale, NoBarForALevelOfZeroOrBelow)
{
    const double levels[7] = {0, 70, 140, 10, 130, -5, 150};
    Draw(levels);
    for (int x : {34, 45, 57, 164, 175, 187}) {
        EXPECT_EQ(canvas_.At(x, 125), face_) << x;
        EXPECT_EQ(canvas_.At(x, 158), face_) << x;
        EXPECT_EQ(canvas_.At(x, 21), face_) << x;
    }
}

TEST_F(NoiseScale, GridLinesEveryRowAndThickBorders)
{
    const double levels[7] = {0, 0, 0, 0, 0, 0, 0};
    Draw(levels);
    // Fifteen lines, 160 down to 20, across the whole plot.
    for (int i = 0; i <= 14; ++i) {
        int y = 160 - 10 * i;
        EXPECT_EQ(canvas_.At(40, y), kBlack) << y;
        EXPECT_EQ(canvas_.At(218, y), kBlack) << y;
        if (i > 1)
            EXPECT_EQ(canvas_.At(40, y + 5), face_) << y + 5;
    }
    EXPECT_EQ(canvas_.At(40, 19), face_);  // nothing above the 140 line
    EXPECT_EQ(canvas_.At(40, 16), face_);

    // Left border: columns 31 and 32; right border: 220 and 219.
    EXPECT_EQ(canvas_.At(30, 125), face_);
    EXPECT_EQ(canvas_.At(31, 125), kBlack);
    EXPECT_EQ(canvas_.At(32, 125), kBlack);
    EXPECT_EQ(canvas_.At(33, 125), face_);
    EXPECT_EQ(canvas_.At(218, 125), face_);
    EXPECT_EQ(canvas_.At(219, 125), kBlack);
    EXPECT_EQ(canvas_.At(220, 125), kBlack);
    EXPECT_EQ(canvas_.At(221, 125), kUntouched);
    // Bottom border: rows 160 and 159.
    EXPECT_EQ(canvas_.At(100, 158), face_);
    EXPECT_EQ(canvas_.At(100, 159), kBlack);
    EXPECT_EQ(canvas_.At(100, 160), kBlack);
    EXPECT_EQ(canvas_.At(100, 161), kUntouched);
    // The borders run from the 140 line down, not above it.
    EXPECT_EQ(canvas_.At(31, 19), face_);
    EXPECT_EQ(canvas_.At(220, 19), face_);

    // The rectangle is filled, nothing is drawn outside it.
    EXPECT_EQ(canvas_.At(10, 15), face_);
    EXPECT_EQ(canvas_.At(9, 100), kUntouched);
    EXPECT_EQ(canvas_.At(100, 14), kUntouched);
}

TEST_F(NoiseScale, ScaleLabelsStandOnEverySecondLine)
{
    const double levels[7] = {0, 0, 0, 0, 0, 0, 0};
    Draw(levels);
    // Labels 0, 20, ... 140 on their baselines 160, 140, ... 20, left of the
    // plot; nothing on the lines between.
    for (int i = 0; i <= 14; i += 2) {
        int baseline = 160 - 10 * i;
        EXPECT_GT(canvas_.Marked(10, baseline - 7, 31, baseline), 0) << 10 * i;
        if (i < 14)
            EXPECT_EQ(canvas_.Marked(10, baseline - 8, 31, baseline - 8 + 1), 0) << 10 * i;
    }
}

// The protector scale: 60 dB in 6 rows, in (0, 0)-(200, 100). By hand: the 0
// line is row 99, rows of 99 / 6 = 16 pixels, the 60 line at 99 - 96 = 3.
// The plot starts at 20 and ends at 199; the bars run from 22 to 197, seven
// columns of 176 / 7 = 25 pixels, standing on row 97; their height is
// (97 - 3) L / 60 = 94 L / 60.
TEST_F(OctaveChart, ProtectorScaleWithRoundedRows)
{
    Canvas canvas(220, 110);
    RECT area = {0, 0, 200, 100};
    const double levels[7] = {60, 30, 0, 0, 0, 0, 61};
    DrawOctaveChart(canvas.dc(), area, levels, 60.0, 6);

    for (int y : {99, 83, 67, 51, 35, 19, 3})
        EXPECT_EQ(canvas.At(110, y), kBlack) << y;
    EXPECT_EQ(canvas.At(110, 2), face_);
    EXPECT_EQ(canvas.At(110, 98), kBlack);
    EXPECT_EQ(canvas.At(110, 97), face_);
    for (int x : {20, 21, 198, 199})
        EXPECT_EQ(canvas.At(x, 60), kBlack) << x;
    EXPECT_EQ(canvas.At(197, 60), face_);
    EXPECT_EQ(canvas.At(200, 60), kUntouched);

    // 60 dB: columns 22..46, top on the 60 line.
    EXPECT_EQ(canvas.At(30, 3), kBlack);
    EXPECT_EQ(canvas.At(30, 4), kWhite);
    EXPECT_EQ(canvas.At(22, 60), kBlack);
    EXPECT_EQ(canvas.At(23, 60), kWhite);
    EXPECT_EQ(canvas.At(46, 60), kBlack);
    // 30 dB: 47 pixels, top on row 50; columns 47..71.
    EXPECT_EQ(canvas.At(60, 49), face_);
    EXPECT_EQ(canvas.At(60, 50), kBlack);
    EXPECT_EQ(canvas.At(60, 51), kWhite);
    EXPECT_EQ(canvas.At(71, 60), kBlack);
    EXPECT_EQ(canvas.At(72, 60), face_);
    // 61 dB: 95 pixels, top on row 2, above the 60 line; columns 172..196.
    EXPECT_EQ(canvas.At(180, 2), kBlack);
    EXPECT_EQ(canvas.At(180, 3), kWhite);

    // Labels 0, 20, 40, 60 on rows 99, 67, 35, 3.
    for (int baseline : {99, 67, 35})
        EXPECT_GT(canvas.Marked(0, baseline - 7, 20, baseline), 0) << baseline;
    EXPECT_EQ(canvas.Marked(0, 76, 20, 83), 0);
}

TEST_F(OctaveChart, ARectangleTooSmallDrawsNothingOutsideIt)
{
    Canvas canvas(50, 40);
    const double levels[7] = {140, 140, 140, 140, 140, 140, 140};
    RECT empty = {10, 10, 10, 30};
    DrawOctaveChart(canvas.dc(), empty, levels, 140.0, 14);
    RECT flat = {5, 20, 35, 20};
    DrawOctaveChart(canvas.dc(), flat, levels, 140.0, 14);
    EXPECT_EQ(canvas.Marked(0, 0, 40, 40), 0);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(canvas.At(x, y), kUntouched) << x << "," << y;

    // A small rectangle: nothing right of it or below it (only the scale
    // labels, written on their baselines, may stand above its top).
    RECT small = {10, 10, 40, 25};
    DrawOctaveChart(canvas.dc(), small, levels, 140.0, 14);
    EXPECT_EQ(canvas.At(39, 24), kBlack);  // the corner of the borders
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 50; ++x)
            if (x >= 40 || y >= 25 || x < 10)
                ASSERT_EQ(canvas.At(x, y), kUntouched) << x << "," << y;
}

}  // namespace
