// The audiogram drawn into a device-independent bitmap: each ear's colour at
// the points where the drawing rules put its losses, nothing outside the
// rectangle whatever the losses.

#include <gtest/gtest.h>

#include <windows.h>

#include "damage/audiogram.h"
#include "tests/gui/dib_canvas.h"

namespace {

const COLORREF kUntouched = RGB(255, 0, 255);

const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);

EarLosses Flat(double loss)
{
    return EarLosses{{loss, loss, loss, loss, loss, loss}};
}

// The rectangle (10, 20)-(310, 181) in a 330 x 200 bitmap. By hand: rows of
// 161 / 10 = 16 pixels, so 0, 40 and 90 dB fall on rows 20, 84 and 164; a
// decade is trunc(299 / log10 24) = 216 pixels, so 500 Hz is at column
// 10 + 35 = 45 and 6000 Hz at 45 + trunc(216 log10 12) = 45 + 233 = 278.
const RECT kArea = {10, 20, 310, 181};
const int kX500 = 45, kX6000 = 278;
const int kRow0 = 20, kRow40 = 84, kRow90 = 164;

struct PointCase {
    const char* name;
    double left, right;
    bool symmetric;
    int x, y;
    COLORREF colour;
};

const PointCase kPoints[] = {
    {"left 0 at 500 Hz", 0, 40, false, kX500, kRow0, kBlue},
    {"left 0 at 6000 Hz", 0, 40, false, kX6000, kRow0, kBlue},
    {"right 40 at 500 Hz", 0, 40, false, kX500, kRow40, kRed},
    {"right 40 at 6000 Hz", 0, 40, false, kX6000, kRow40, kRed},
    {"left 90 at 500 Hz", 90, 40, false, kX500, kRow90, kBlue},
    {"left 90 at 6000 Hz", 90, 40, false, kX6000, kRow90, kBlue},
    {"right 90 at 500 Hz", 40, 90, false, kX500, kRow90, kRed},
    {"right 90 at 6000 Hz", 40, 90, false, kX6000, kRow90, kRed},
    {"left 40 at 500 Hz", 40, 90, false, kX500, kRow40, kBlue},
    {"symmetric: left 40 at 6000 Hz", 40, 0, true, kX6000, kRow40, kBlue},
    // 120 dB stays on the lowest row of the plot, the 90 dB line.
    {"left 120 at 500 Hz", 120, 0, false, kX500, kRow90, kBlue},
    {"right 120 at 6000 Hz", 0, 120, false, kX6000, kRow90, kRed},
};

TEST(Audiogram, EachEarInItsColourWhereTheRulesPutIt)
{
    for (const PointCase& c : kPoints) {
        gui::Canvas canvas(330, 200);
        DrawAudiogram(canvas.dc(), kArea, Flat(c.left), Flat(c.right), c.symmetric);
        EXPECT_EQ(canvas.At(c.x, c.y), c.colour) << c.name;
        // The line two pixels wide runs through the point to the next one.
        if (c.x == kX500)
            EXPECT_EQ(canvas.At(c.x + 20, c.y), c.colour) << c.name;
    }
}

TEST(Audiogram, ASymmetricInputDrawsNoRightEar)
{
    gui::Canvas canvas(330, 200);
    DrawAudiogram(canvas.dc(), kArea, Flat(0), Flat(90), true);
    EXPECT_EQ(canvas.Count(kRed, 0, 0, 330, 200), 0);
    EXPECT_GT(canvas.Count(kBlue, 0, 0, 330, 200), 0);
}

TEST(Audiogram, GridAxesAndLabelsWhereTheRulesPutThem)
{
    gui::Canvas canvas(330, 200);
    DrawAudiogram(canvas.dc(), kArea, Flat(-100), Flat(-100), false);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF black = RGB(0, 0, 0), grey = RGB(128, 128, 128);
    // Axes two pixels thick: columns 10 and 11, rows 180 and 179.
    for (int y : {60, 150}) {
        EXPECT_EQ(canvas.At(10, y), black);
        EXPECT_EQ(canvas.At(11, y), black);
    }
    EXPECT_EQ(canvas.At(150, 180), black);
    EXPECT_EQ(canvas.At(150, 179), black);
    // Grid lines every 16 rows, between the frequencies; a vertical line at
    // each frequency down to the 90 dB line.
    for (int k = 1; k < 10; ++k) {
        EXPECT_EQ(canvas.At(150, 20 + 16 * k), grey) << k;
        EXPECT_EQ(canvas.At(150, 20 + 16 * k + 8), face) << k;
    }
    EXPECT_EQ(canvas.At(kX6000, 108), grey);
    EXPECT_EQ(canvas.At(kX6000 + 3, 108), face);
    // Frequency labels in the row above the bottom line, dB labels at the
    // right end of the lines.
    EXPECT_GT(canvas.Marked(kX500 - 12, 165, kX500 + 12, 179), 0);
    EXPECT_GT(canvas.Marked(280, 80, 310, 90), 0);  // "40"
    // Points above 0 dB stay on the 0 dB line: -100 dB is on row 20.
    EXPECT_EQ(canvas.At(kX500, kRow0), kRed);
}

TEST(Audiogram, NoLossDrawsOutsideTheRectangle)
{
    for (double loss : {120.0, 1e300, -1e300}) {
        gui::Canvas canvas(330, 200);
        DrawAudiogram(canvas.dc(), kArea, Flat(loss), Flat(loss / 2), false);
        // Below the rectangle and beside it nothing is touched; the 0 dB
        // label and the markers of 0 dB stand half above the top, no more.
        EXPECT_EQ(canvas.Count(kUntouched, 0, 181, 330, 200), 330 * 19) << loss;
        EXPECT_EQ(canvas.Count(kUntouched, 0, 0, 10, 200), 10 * 200) << loss;
        EXPECT_EQ(canvas.Count(kUntouched, 310, 0, 330, 200), 20 * 200) << loss;
        EXPECT_EQ(canvas.Count(kUntouched, 0, 0, 330, 10), 330 * 10) << loss;
        // The curves keep out of the labels' row.
        EXPECT_EQ(canvas.Count(kBlue, 0, 172, 330, 200), 0) << loss;
        EXPECT_EQ(canvas.Count(kRed, 0, 172, 330, 200), 0) << loss;
    }
}

}  // namespace
