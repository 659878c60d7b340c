#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "exposure/legal_class.h"

namespace {

std::string Articles(double level, bool peak)
{
    const ClassObligation* lines[kMaxObligations];
    const size_t count = ExposureObligations(level, peak, lines, kMaxObligations);
    std::string joined;
    for (size_t i = 0; i < count; ++i)
        joined += std::string(i ? " | " : "") + lines[i]->article;
    return joined;
}

TEST(LegalClass, BoundariesOfExposureAndPeak)
{
    const struct {
        double level;
        bool peak;
        ExposureClass expected;
    } cases[] = {
        {79.9, false, kClassBelowAction}, {80.0, false, kClassLowerAction},
        {84.9, false, kClassLowerAction}, {85.0, false, kClassUpperAction},
        {86.9, false, kClassUpperAction}, {87.0, false, kClassLimit},
        {79.95, false, kClassLowerAction},  // shown as "80.0"
        {79.949, false, kClassBelowAction}, {-10.0, false, kClassBelowAction},
        {134.9, true, kClassBelowAction}, {135.0, true, kClassLowerAction},
        {136.9, true, kClassLowerAction}, {137.0, true, kClassUpperAction},
        {139.9, true, kClassUpperAction}, {140.0, true, kClassLimit},
        {NAN, false, kClassNone}, {INFINITY, true, kClassNone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        EXPECT_EQ(c.peak ? ClassOfPeak(c.level) : ClassOfExposure(c.level), c.expected);
    }
    EXPECT_EQ(HigherClass(kClassLowerAction, kClassLimit), kClassLimit);
    EXPECT_EQ(HigherClass(kClassNone, kClassBelowAction), kClassBelowAction);
    EXPECT_STREQ(ClassRangeText(kClassUpperAction, false), "85-87");
    EXPECT_STREQ(ClassRangeText(kClassUpperAction, true), "137-140");
}

// The decree's "equal or above" and "above": at 85.0 the protectors must be
// worn, while compulsory surveillance, the programme and the signs start
// above it.
TEST(LegalClass, ObligationsFollowTheWordsOfTheDecree)
{
    const std::string base = "art. 181, c. 2; art. 190 | art. 192, c. 1";
    EXPECT_EQ(Articles(79.9, false), base);
    EXPECT_EQ(Articles(80.0, false), base + " | art. 195");
    EXPECT_EQ(Articles(80.1, false),
              base + " | art. 195 | art. 193, c. 1, lett. a) | art. 196, c. 2");
    EXPECT_EQ(Articles(85.0, false), base + " | art. 195 | art. 193, c. 1, lett. b) | art. 196, c. 2");
    const std::string upper =
        base + " | art. 195 | art. 193, c. 1, lett. b) | art. 196, c. 1 | art. 192, c. 2 | art. 192, c. 3";
    EXPECT_EQ(Articles(85.1, false), upper);
    EXPECT_EQ(Articles(87.0, false), upper);
    EXPECT_EQ(Articles(87.1, false), upper + " | art. 194, c. 1");
    EXPECT_EQ(Articles(137.5, true), upper);
    EXPECT_EQ(Articles(NAN, false), "");
}

}  // namespace
