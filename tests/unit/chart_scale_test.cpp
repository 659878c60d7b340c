// Where the ISO 1999 charts put their values, and the curve a chart shows
// alone. The positions below are worked out by hand from the scales' rules.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "iso1999/chart_scale.h"
#include "iso1999/curve_selection.h"

namespace {

// A plot from y 128 to 896: 12 rows of 64 units, 10 rows of 76.
const int kTop = 128, kBottom = 896;

TEST(ChartScale, ValuesOnTheLinesTheirLabelsName)
{
    struct Case {
        ChartScale scale;
        double value;
        int y;
    } cases[] = {
        // hearing loss: v dB on the line labelled -v, 64 units a row
        {kScaleHearingLoss, 30.0, 896 - 7 * 64},   // "- 30", line 7
        {kScaleHearingLoss, 0.0, 896 - 10 * 64},   // "0", line 10
        {kScaleHearingLoss, -10.0, 896 - 11 * 64}, // "10", line 11
        {kScaleHearingLoss, 13.7193, 343},         // 896 - 86.2807 x 6.4 = 343.8, rounded down
        {kScaleHearingLoss, 100.0, 896},           // the axis
        // dB: (v/10 + 2) rows of 76
        {kScaleDb, -10.0, 896 - 76},
        {kScaleDb, 80.0, 896 - 760},
        {kScaleDb, 25.0, 896 - 342},               // 4.5 rows
        // damage: 5 % and 2.5 % a row
        {kScaleDamage5, 5.0, 896 - 76},
        {kScaleDamage5, 12.5, 896 - 190},
        {kScaleDamage25, 2.5, 896 - 76},
        {kScaleDamage25, 11.0, 896 - 335},         // 4.4 rows = 334.4, down to 335 above
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScaleY(c.scale, c.value, kTop, kBottom), c.y) << c.scale << " " << c.value;
}

TEST(ChartScale, ValuesOffTheScaleStayInThePlot)
{
    // A huge age gives thresholds around 10^12 dB: they lie on the plot's
    // edge instead of overflowing the device coordinates.
    EXPECT_EQ(ScaleY(kScaleHearingLoss, 1.6e12, kTop, kBottom), kBottom);
    EXPECT_EQ(ScaleY(kScaleHearingLoss, -1.6e12, kTop, kBottom), kTop);
    EXPECT_EQ(ScaleY(kScaleDb, 1e300, kTop, kBottom), kTop);
    EXPECT_EQ(ScaleY(kScaleDamage5, -1e300, kTop, kBottom), kBottom);
    EXPECT_EQ(ScaleY(kScaleHearingLoss, std::numeric_limits<double>::infinity(), kTop, kBottom), kBottom);
    EXPECT_EQ(ScaleY(kScaleHearingLoss, std::nan(""), kTop, kBottom), kBottom);
    // -30 dB lies above the "20" line, still inside the plot's top.
    EXPECT_EQ(ScaleY(kScaleHearingLoss, -30.0, kTop, kBottom), kTop);
}

TEST(ChartScale, ACurveLeavingThePlotIsCutAtItsEdgesAlongItsSlope)
{
    // From above the plot to below it: cut at y 128 and 896 where it
    // crosses them; wholly above it: nothing.
    double x0 = 200, y0 = 28, x1 = 300, y1 = 996;
    ASSERT_TRUE(ClipToPlotRows(&x0, &y0, &x1, &y1, kTop, kBottom));
    EXPECT_NEAR(x0, 200 + 100.0 * 100 / 968, 1e-9);
    EXPECT_NEAR(x1, 200 + 100.0 * 868 / 968, 1e-9);
    EXPECT_EQ(y0, kTop);
    x0 = 200, y0 = 28, x1 = 300, y1 = 100;
    EXPECT_FALSE(ClipToPlotRows(&x0, &y0, &x1, &y1, kTop, kBottom));
}

TEST(ChartScale, RowsAndSmallPlots)
{
    EXPECT_EQ(ScaleRows(kScaleHearingLoss), 12);
    EXPECT_EQ(ScaleRows(kScaleDb), 10);
    EXPECT_EQ(RowHeight(kTop, kBottom, 12), 64);
    // Lower than its rows: every line on the axis, every value on it too.
    EXPECT_EQ(RowHeight(10, 15, 12), 0);
    EXPECT_EQ(ScaleY(kScaleHearingLoss, 30.0, 10, 15), 15);
    EXPECT_EQ(RowHeight(20, 10, 12), 0);
}

TEST(ChartScale, AudiogramAxis)
{
    // 960 / log10 24 = 695.5: 695 units a decade
    EXPECT_EQ(AudiogramDecade(960), 695);
    EXPECT_EQ(AudiogramX(500, 695), 209);    // 0.30103 x 695 = 209.2
    EXPECT_EQ(AudiogramX(1000, 695), 418);   // 0.60206 x 695 = 418.4
    EXPECT_EQ(AudiogramX(3000, 695), 750);   // 1.07918 x 695 = 750.0
    EXPECT_EQ(AudiogramX(6000, 695), 959);   // 1.38021 x 695 = 959.2: on the right edge
    EXPECT_EQ(AudiogramX(250, 695), 0);
    EXPECT_EQ(AudiogramDecade(0), 0);
}

TEST(CurveSelection, OneCurveOrAllOfThem)
{
    SelectCurve(kAllCurves);
    EXPECT_EQ(SelectedCurve(), -1);
    EXPECT_TRUE(SelectCurve(6));
    EXPECT_FALSE(SelectCurve(6));
    EXPECT_EQ(ShownCurve(7), 6);
    // The graph of six curves does not have the seventh: it shows them all.
    EXPECT_EQ(ShownCurve(6), -1);
    EXPECT_TRUE(SelectCurve(kAllCurves));
    EXPECT_FALSE(SelectCurve(9));
    EXPECT_EQ(SelectedCurve(), -1);
}

}  // namespace
