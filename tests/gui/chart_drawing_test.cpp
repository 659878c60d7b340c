// The ISO 1999 chart frame and the threshold-shift painters drawn into a
// DIB section: grid, axes, legend, curves and table texts where the drawing
// rules put them.
//
// By hand, for the chart rectangle (0, 0, 1280, 1024) used throughout:
// W = 1280, H = 1024, so the title band is 0..42 high (H/24), the legend
// runs from x 160 to 1120 (W/8) between y 42 and 85 (H/12), the plot from
// (160, 128) to (1120, 896) (H/8), the x labels down to 939 (H - H/12).
// The plot is 960 wide and 768 high: 19 columns of 50 and 12 rows of 64.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "framework/printing.h"
#include "iso1999/chart_frame.h"
#include "iso1999/curve_selection.h"
#include "iso1999/shift.h"
#include "iso1999/shift_views.h"
#include "tests/gui/dib_canvas.h"

using gui::Canvas;

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kGrey = RGB(128, 128, 128);
const COLORREF kPens[7] = {RGB(255, 0, 255), RGB(0, 0, 255),   RGB(0, 255, 0), RGB(0, 0, 0),
                           RGB(255, 255, 0), RGB(0, 255, 255), RGB(255, 0, 0)};
const RECT kChart = {0, 0, 1280, 1024};
const RECT kPlot = {160, 128, 1120, 896};

// Whether the colour is within one pixel of (x, y): curves are 2 units wide.
bool Near(const Canvas& canvas, int x, int y, COLORREF colour)
{
    return canvas.Count(colour, x - 1, y - 1, x + 2, y + 2) > 0;
}

class ChartDrawing : public testing::Test {
protected:
    void SetUp() override
    {
        saved_ = g_shiftState;
        SelectCurve(kAllCurves);
        SetColourFlag(true);
    }
    void TearDown() override
    {
        g_shiftState = saved_;
        SelectCurve(kAllCurves);
        SetColourFlag(true);
    }
    // HTLA of a man of 18: H50 is 0, so the 5 % value is 1.645 bu.
    void YoungMan()
    {
        g_shiftState.quantity = kQuantityHtla;
        g_shiftState.record.age = 18.0;
        g_shiftState.record.sex = 1;
    }
    Canvas canvas_{1280, 1024, RGB(255, 255, 255), "Courier New", -12};
    ShiftState saved_;
};

TEST_F(ChartDrawing, LayoutBands)
{
    ChartBands b = LayoutChart(kChart);
    EXPECT_EQ(b.title.bottom, 42);
    EXPECT_EQ(b.legend.left, 160);
    EXPECT_EQ(b.legend.right, 1120);
    EXPECT_EQ(b.legend.bottom, 85);
    EXPECT_EQ(b.plot.top, 128);
    EXPECT_EQ(b.plot.bottom, 896);
    EXPECT_EQ(b.xLabels.bottom, 939);
    EXPECT_EQ(b.xTitle.left, 1120);
    EXPECT_EQ(b.yTitle.top, 85);
    // A rectangle that does not start at 0 keeps W and H as its right and
    // bottom: the plot then ends at the same place.
    ChartBands below = LayoutChart({0, 29, 1280, 1024});
    EXPECT_EQ(below.title.top, 29);
    EXPECT_EQ(below.plot.top, 29 + 128);
    EXPECT_EQ(below.plot.bottom, 896);
}

TEST_F(ChartDrawing, GridAndAxesOnTheirLines)
{
    DrawGrid(canvas_.dc(), kPlot, 19, 12);
    DrawAxes(canvas_.dc(), kPlot);
    // Vertical lines 1..19 at 160 + 50 i, horizontal lines at 896 - 64 j.
    EXPECT_EQ(canvas_.At(210, 500), kGrey);
    EXPECT_EQ(canvas_.At(1110, 500), kGrey);
    EXPECT_EQ(canvas_.At(235, 500), kWhite);
    EXPECT_EQ(canvas_.At(500, 832), kGrey);
    EXPECT_EQ(canvas_.At(500, 128), kGrey);  // line 12 on the plot top
    EXPECT_EQ(canvas_.At(500, 800), kWhite);
    // The axes, two units: the left side and the bottom.
    EXPECT_EQ(canvas_.At(160, 500), kGrey);
    EXPECT_EQ(canvas_.At(500, 896), kGrey);
    EXPECT_EQ(canvas_.Count(kGrey, 158, 500, 163, 501), 2);
}

TEST_F(ChartDrawing, APlotSmallerThanTheGridPutsEveryLineOnTheAxes)
{
    RECT small = {20, 30, 30, 35};  // 10 wide for 19 columns, 5 high for 12 rows
    DrawGrid(canvas_.dc(), small, 19, 12);
    int grey = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) {
            COLORREF c = canvas_.At(x, y);
            if (c == kWhite)
                continue;
            EXPECT_EQ(c, kGrey) << x << "," << y;
            EXPECT_TRUE(x == 20 || y == 35) << x << "," << y;
            ++grey;
        }
    EXPECT_GT(grey, 0);
}

TEST_F(ChartDrawing, ACurveWhereTheScalePutsItsValue)
{
    YoungMan();
    DrawShiftByFractile(canvas_.dc(), &kChart);
    // 5 %, 4000 Hz: 1.645 x 8.34 = 13.72 dB, y = 896 - 86.28 x 6.4 = 343.8,
    // rounded down; x on grid line 1, 210. The fourth pen is yellow.
    EXPECT_TRUE(Near(canvas_, 210, 343, kPens[4]));
    // 3000 Hz: 1.645 x 7.78 = 12.80 dB, y 337.9; 6000 Hz: 15.55 dB, y 355.5.
    EXPECT_TRUE(Near(canvas_, 210, 337, kPens[3]));
    EXPECT_TRUE(Near(canvas_, 210, 355, kPens[5]));
    // 50 %: every HTLA at 18 is 0 dB, on the "0" line (896 - 640) at
    // grid line 10.
    EXPECT_TRUE(Near(canvas_, 660, 256, kPens[5]));
    // Six curves with six legend cells, never the seventh pen.
    for (int f = 0; f < 6; ++f)
        EXPECT_GT(canvas_.Count(kPens[f], 160, 42, 1120, 44), 0) << f;
    EXPECT_EQ(canvas_.Count(kPens[6], 0, 0, 1280, 1024), 0);
}

TEST_F(ChartDrawing, ASelectedCurveDrawsOneCurveAndItsOwnLegendCell)
{
    SelectCurve(3);  // 3000 Hz, black
    DrawShiftByFractile(canvas_.dc(), &kChart);
    // Legend cells 160 wide: the fourth from 640 to 800, its line from 648
    // to 792 on the band's top.
    EXPECT_TRUE(Near(canvas_, 720, 42, kBlack));
    EXPECT_FALSE(Near(canvas_, 240, 42, kPens[0]));
    EXPECT_GT(canvas_.Count(kGrey, 640, 60, 800, 85), 0);  // "3000 Hz"
    EXPECT_EQ(canvas_.Count(kGrey, 160, 60, 640, 85), 0);
    EXPECT_EQ(canvas_.Count(kGrey, 800, 60, 1120, 85), 0);
    EXPECT_GT(canvas_.Count(kBlack, 161, 129, 1120, 895), 0);
    for (int f : {0, 1, 2, 4, 5})
        EXPECT_EQ(canvas_.Count(kPens[f], 0, 0, 1280, 1024), 0) << f;

    // The audiogram's 95 % curve is the seventh: the graph of six curves
    // ignores it and draws them all.
    canvas_.Fill(kWhite);
    SelectCurve(6);
    DrawShiftByFractile(canvas_.dc(), &kChart);
    for (int f = 0; f < 6; ++f)
        EXPECT_GT(canvas_.Count(kPens[f], 0, 0, 1280, 1024), 0) << f;
    canvas_.Fill(kWhite);
    DrawShiftAudiogram(canvas_.dc(), &kChart);
    EXPECT_GT(canvas_.Count(kPens[6], 161, 129, 1120, 895), 0);
    EXPECT_EQ(canvas_.Count(kPens[0], 0, 0, 1280, 1024), 0);
}

TEST_F(ChartDrawing, AllBlackWithTheColourFlagOff)
{
    SetColourFlag(false);
    DrawShiftAudiogram(canvas_.dc(), &kChart);
    DrawShiftTable(canvas_.dc(), &kChart);
    int black = 0;
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 1280; ++x) {
            COLORREF c = canvas_.At(x, y);
            ASSERT_TRUE(c == kWhite || c == kBlack || c == kGrey) << x << "," << y;
            black += c == kBlack;
        }
    EXPECT_GT(black, 0);
}

TEST_F(ChartDrawing, TheAudiogramFrameEndsOnThePlotsRightEdge)
{
    ChartBands b = LayoutChart(kChart);
    int x[kAudiogramLines];
    DrawAudiogramFrame(canvas_.dc(), b.plot, b.xLabels, 12, x);
    // 960 / log10 24 = 695 a decade: 500 Hz at 209, 6000 Hz at 959, that is
    // column 1119, the plot's last.
    EXPECT_EQ(x[0], 209);
    EXPECT_EQ(x[5], 959);
    EXPECT_EQ(canvas_.At(369, 500), kGrey);
    EXPECT_EQ(canvas_.At(368, 500), kWhite);
    EXPECT_EQ(canvas_.At(1119, 500), kGrey);
    EXPECT_EQ(canvas_.At(500, 896 - 64), kGrey);
    // The labels stand under their lines.
    EXPECT_GT(canvas_.Marked(1100, 897, 1139, 939) + canvas_.Count(kBlack, 1100, 897, 1139, 939), 0);
}

TEST_F(ChartDrawing, ACurveLeavingThePlotStopsAtItsEdgeAtItsOwnSlope)
{
    // At 70 (35 years at 90 dBA) the audiogram's 5 % curve goes from 94.2 dB
    // at 4000 Hz (996, 859) to 102.6 dB at 6000 Hz (1119, 912), below the
    // plot's bottom (896): it stops where it crosses it, at x 996 + 123 x
    // 37 / 53 = 1082, and runs along no edge.
    g_shiftState = InitialShiftState();
    g_shiftState.record.age = 70.0;
    DrawShiftAudiogram(canvas_.dc(), &kChart);
    EXPECT_TRUE(Near(canvas_, 1081, 895, kPens[0]));
    EXPECT_EQ(canvas_.Count(kPens[0], 1086, 880, 1280, 1024), 0);

    // An age of 9999999 gives thresholds of about 10^12 dB, far below it.
    canvas_.Fill(kWhite);
    g_shiftState.record.age = 9999999.0;
    DrawShiftByFractile(canvas_.dc(), &kChart);
    for (int f = 0; f < 6; ++f)
        EXPECT_EQ(canvas_.Count(kPens[f], 0, 44, 1280, 1024), 0) << f;
}

TEST_F(ChartDrawing, TableTextsInTheirColumnsAndColours)
{
    // By hand: the table rectangle is 53..1229 by 56..971, columns of
    // 1176 / 9 = 130, lines of 915 / 25 = 36. Line 3 (the header) at 128,
    // column 7 ("Danno (%)") at 963.
    g_shiftState = InitialShiftState();
    DrawShiftTable(canvas_.dc(), &kChart);
    const COLORREF red = RGB(255, 0, 0), green = RGB(0, 128, 0);
    EXPECT_GT(canvas_.Count(red, 963, 128, 1093, 146), 0);       // "Danno (%)"
    EXPECT_GT(canvas_.Count(red, 53, 164, 100, 182), 0);         // " 5"
    EXPECT_GT(canvas_.Count(green, 963, 164, 1093, 182), 0);     // the damage of 5 %
    EXPECT_EQ(canvas_.Count(red, 53, 56, 1229, 128), 0);         // title and parameters
    EXPECT_GT(canvas_.Count(kBlack, 53, 56, 1229, 74), 0);

    canvas_.Fill(kWhite);
    g_shiftState.quantity = kQuantityNipts;
    DrawShiftTable(canvas_.dc(), &kChart);
    EXPECT_EQ(canvas_.Count(green, 0, 0, 1280, 1024), 0);
    EXPECT_EQ(canvas_.Count(red, 963, 128, 1280, 971), 0);
    EXPECT_EQ(canvas_.Count(kBlack, 963, 128, 1280, 971), 0);
}

TEST_F(ChartDrawing, ALongTitleIsWrappedOrShrunkIntoItsBand)
{
    std::string title = " Danno (%) -  Frattile:  15 %   Leq: 90.0 dBA   Età di inizio:  18  Sesso: M";
    RECT band = {0, 0, 300, 40};
    DrawChartTitle(canvas_.dc(), band, title.c_str());
    // Ink only in the band, over most of its width and on two lines at
    // least.
    int left = 300, right = 0, top = 40, bottom = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 400; ++x)
            if (canvas_.At(x, y) != kWhite) {
                ASSERT_LT(x, 300);
                ASSERT_LT(y, 40);
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    // Nothing cut at the band's sides (a single line too wide for the band
    // would be centred over both edges and clipped there).
    EXPECT_GT(left, 0);
    EXPECT_LT(right, 299);
    EXPECT_LT(left, 40);
    EXPECT_GT(right, 260);
    EXPECT_GT(bottom - top, 12);

    // A title that fits stays on one centred line.
    canvas_.Fill(kWhite);
    DrawChartTitle(canvas_.dc(), band, "Breve");
    int inkLeft = 300, inkRight = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 300; ++x)
            if (canvas_.At(x, y) != kWhite) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
    EXPECT_NEAR((inkLeft + inkRight) / 2, 150, 4);

    // A table line too long for its width is drawn smaller, not cut.
    canvas_.Fill(kWhite);
    DrawFittedLine(canvas_.dc(), 10, 60, 200, title.c_str());
    EXPECT_GT(canvas_.Count(kBlack, 10, 60, 30, 80), 0);
    EXPECT_GT(canvas_.Count(kBlack, 190, 60, 210, 80), 0);
    EXPECT_EQ(canvas_.Count(kBlack, 211, 0, 1280, 200), 0);

    // The y title ends at the plot when it fits its band; on a narrow chart
    // it starts at the band's left edge and runs on above the plot, whole.
    canvas_.Fill(kWhite);
    DrawYTitle(canvas_.dc(), {0, 300, 160, 340}, "Danno (%)");
    EXPECT_EQ(canvas_.Count(kGrey, 0, 300, 60, 340), 0);
    EXPECT_GT(canvas_.Count(kGrey, 140, 300, 160, 340), 0);
    canvas_.Fill(kWhite);
    DrawYTitle(canvas_.dc(), {0, 300, 40, 340}, "Danno (%)");
    EXPECT_GT(canvas_.Count(kGrey, 0, 300, 8, 340), 0);
    EXPECT_GT(canvas_.Count(kGrey, 48, 300, 120, 340), 0);
}

}  // namespace
