#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "exposure/group_level.h"

namespace {

const int k95 = 1;       // confidence "95"
const int kTwoDb = 1;    // interval "2"

std::string Shown(double value)
{
    char text[32];
    snprintf(text, sizeof text, "%4.1f", value);
    return text;
}

std::string Message(const GroupLevel& g)
{
    char text[kGroupMessageSize];
    FormatGroupMessage(g, text, sizeof text);
    return text;
}

GroupLevel Group(std::vector<double> samples, long workers, int confidence = k95,
                 int interval = kTwoDb)
{
    return ComputeGroupLevel(samples.data(), samples.size(), workers, confidence, interval);
}

TEST(GroupStudentT, TableRowsAndNodes)
{
    EXPECT_EQ(StudentT(0, 1), 3.078);
    EXPECT_EQ(StudentT(1, 2), 2.920);
    EXPECT_EQ(StudentT(3, 30), 2.457);
    EXPECT_EQ(StudentT(2, 10), 2.228);
    EXPECT_NEAR(StudentT(1, 40), 1.684, 1e-12);
    EXPECT_NEAR(StudentT(1, 60), 1.671, 1e-12);
    EXPECT_NEAR(StudentT(1, 120), 1.658, 1e-12);
    EXPECT_NEAR(StudentT(1, 500), 1.645, 1e-12);
    EXPECT_EQ(StudentT(3, 501), 2.326);
    EXPECT_EQ(StudentT(0, 100000), 1.282);
    EXPECT_EQ(StudentT(4, 10), 0.0);
    EXPECT_EQ(StudentT(-1, 10), 0.0);
}

TEST(GroupStudentT, LinearInsideEachNodeInterval)
{
    // 95 %: 30 -> 40: 1.697 to 1.684
    EXPECT_NEAR(StudentT(1, 35), 1.6905, 1e-12);
    EXPECT_NEAR(StudentT(1, 31), 1.6957, 1e-12);
    // 40 -> 60: 1.684 to 1.671
    EXPECT_NEAR(StudentT(1, 50), 1.6775, 1e-12);
    // 60 -> 120: 1.671 to 1.658
    EXPECT_NEAR(StudentT(1, 90), 1.6645, 1e-12);
    // 120 -> 500: 1.658 to 1.645
    EXPECT_NEAR(StudentT(1, 310), 1.6515, 1e-12);
    // 99 %, 120 -> 500: 2.358 to 2.326, a quarter of the way
    EXPECT_NEAR(StudentT(3, 215), 2.35, 1e-12);
    // 90 %, 40 -> 60
    EXPECT_NEAR(StudentT(0, 45), 1.303 - 0.007 * 0.25, 1e-12);
}

TEST(GroupRequiredSamples, HalfUpRounding)
{
    EXPECT_EQ(RoundHalfUp(2.5), 3.0);
    EXPECT_EQ(RoundHalfUp(2.4999), 2.0);
    EXPECT_EQ(RoundHalfUp(0.0), 0.0);
    // N 10, s 2: m = 3 gives 2.973 (3 > 2), m = 4 gives 1.921 (2)
    EXPECT_EQ(RequiredSamples(10, 2.0, k95, 2), 4);
    // N 4: m = 3 gives 1.947, rounded 2
    EXPECT_EQ(RequiredSamples(4, 2.0, k95, 2), 3);
    // N 10, s 10: m = 8 gives 3.158, m = 9 gives 2.067
    EXPECT_EQ(RequiredSamples(10, 10.0, k95, 2), 9);
    // At m = N the correction is 0: E never passes N for a finite deviation
    EXPECT_EQ(RequiredSamples(10, 1e300, 3, 1), 10);
    EXPECT_EQ(RequiredSamples(2, 5.0, k95, 1), 3);
}

TEST(GroupLevelResult, ThreeSamplesAreNotEnoughForTenWorkers)
{
    GroupLevel g = Group({85, 87, 89}, 10);
    EXPECT_EQ(g.status, kGroupComputed);
    EXPECT_EQ(g.count, 3u);
    EXPECT_EQ(Shown(g.mean), "87.0");
    EXPECT_EQ(Shown(g.deviation), " 2.0");
    EXPECT_EQ(g.required, 4);
    EXPECT_FALSE(g.valid);
    EXPECT_EQ(Message(g), "Per validare i risultati è necessario inserire almeno 4 campioni");
}

TEST(GroupLevelResult, FourthSampleValidates)
{
    GroupLevel g = Group({85, 87, 89, 86}, 10);
    EXPECT_EQ(Shown(g.mean), "86.8");       // 86.75
    EXPECT_EQ(Shown(g.deviation), " 1.7");  // sqrt(8.75 / 3)
    EXPECT_TRUE(g.valid);
    EXPECT_EQ(Message(g), "Sono stati inseriti i campioni necessari per validare i risultati");
}

TEST(GroupLevelResult, SmallGroupAndWideSpread)
{
    GroupLevel four = Group({85, 87, 89}, 4);
    EXPECT_EQ(four.required, 3);
    EXPECT_TRUE(four.valid);
    GroupLevel wide = Group({80, 90, 100}, 10);
    EXPECT_EQ(Shown(wide.mean), "90.0");  // arithmetic, not the energy mean
    EXPECT_EQ(Shown(wide.deviation), "10.0");
    EXPECT_EQ(wide.required, 9);
    EXPECT_EQ(Message(wide), "Per validare i risultati è necessario inserire almeno 9 campioni");
    EXPECT_EQ(Shown(Group({80, 100}, 10).mean), "90.0");
}

TEST(GroupLevelResult, FewerThanThreeSamples)
{
    GroupLevel two = Group({85, 87}, 10);
    EXPECT_FALSE(two.valid);
    EXPECT_EQ(Message(two), "Per far partire il calcolo è necessario inserire almeno 3 campioni");
    // One sample or none: no spread and no NaN
    GroupLevel one = Group({85}, 10);
    EXPECT_EQ(one.mean, 85.0);
    EXPECT_EQ(one.deviation, 0.0);
    EXPECT_FALSE(one.valid);
    GroupLevel none = Group({}, 10);
    EXPECT_EQ(none.mean, 0.0);
    EXPECT_EQ(none.deviation, 0.0);
    EXPECT_FALSE(none.valid);
    EXPECT_EQ(Message(none), "Per far partire il calcolo è necessario inserire almeno 3 campioni");
}

TEST(GroupLevelResult, RefusedInputs)
{
    EXPECT_EQ(Group({85, 87, 89}, 3).status, kGroupTooFewWorkers);
    EXPECT_EQ(Group({85, 87, 89}, 0).status, kGroupTooFewWorkers);
    EXPECT_EQ(Group({85, 0, 89}, 10).status, kGroupZeroSample);
    EXPECT_EQ(Group({85, 87, 89}, 4).status, kGroupComputed);
}

TEST(GroupLevelResult, ExtremeSamplesStayFinite)
{
    GroupLevel g = Group({1e308, -1e308, 1e308, 1.7e308}, 9999999);
    EXPECT_TRUE(std::isfinite(g.mean));
    EXPECT_TRUE(std::isfinite(g.deviation));
    EXPECT_GT(g.deviation, 1e308);
    EXPECT_LE(g.required, 9999999);
    GroupLevel same = Group({1.7e308, 1.7e308, 1.7e308}, 10);
    EXPECT_EQ(same.mean, 1.7e308);
    EXPECT_EQ(same.deviation, 0.0);
    EXPECT_TRUE(same.valid);
}

}  // namespace
