#include <gtest/gtest.h>

#include <string>

#include "framework/number_text.h"

TEST(LeadingNumber, ReadsTheNumberAtTheStart)
{
    EXPECT_DOUBLE_EQ(LeadingNumber("90"), 90.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("  87.5 dB"), 87.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("-3.25"), -3.25);
    EXPECT_DOUBLE_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e2"), 100.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("12e"), 12.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.2.3"), 1.2);
}

TEST(LeadingNumber, TextThatIsNotANumberGivesZero)
{
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber(nullptr), 0.0);
    EXPECT_EQ(LeadingNumber("."), 0.0);
    EXPECT_EQ(LeadingNumber("-"), 0.0);
    EXPECT_FALSE(StartsWithNumber("abc"));
    EXPECT_TRUE(StartsWithNumber(" 0"));
}

TEST(LeadingNumber, InfinityNanAndHexAreNotNumbers)
{
    EXPECT_EQ(LeadingNumber("inf"), 0.0);
    EXPECT_EQ(LeadingNumber("nan"), 0.0);
    EXPECT_EQ(LeadingNumber("1e999"), 0.0);
    EXPECT_EQ(LeadingNumber("0x10"), 0.0);
    std::string longDigits(400, '9');
    EXPECT_EQ(LeadingNumber(longDigits.c_str()), 0.0);  // 10^400 is not finite
    std::string longZeros = "0." + std::string(200, '0') + "5";
    EXPECT_GT(LeadingNumber(longZeros.c_str()), 0.0);
}

TEST(FormatNumber, NonFiniteValuesShowAsZero)
{
    char out[16];
    FormatNumber(out, sizeof out, "%4.1f", 1.0 / 0.0 * 0.0);
    EXPECT_STREQ(out, " 0.0");
    FormatNumber(out, sizeof out, "%4.1f", 87.45);
    EXPECT_STREQ(out, "87.5");  // 87.45 is stored as 87.4500000000000028...
    FormatNumber(out, 4, "%4.1f", 123.25);
    EXPECT_STREQ(out, "123");   // cut at the buffer, never beyond
}

TEST(FormatNumberFitting, HugeValuesKeepTheirMagnitude)
{
    struct Case {
        double value;
        size_t capacity;
        const char* shown;
    } cases[] = {
        {87.45, 16, "87.5"},
        {999999999999999.0, 16, "999999999999999"},  // "%4.1f" needs 17 characters
        {1e300, 16, "1e+300"},
        {-1e300, 16, "-1e+300"},
        {123456.0, 6, "1e+05"},
        {1.0 / 0.0, 16, " 0.0"},
    };
    for (const Case& c : cases) {
        char out[32];
        FormatNumberFitting(out, c.capacity, "%4.1f", c.value);
        EXPECT_STREQ(out, c.shown) << c.value;
    }
}
