#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/report_text.h"

TEST(ReportText, ColumnsLinesAndDecimalCommas)
{
    std::vector<char> block(kReportTextSize, 'x');
    ReportText r;
    ReportBegin(&r, block.data(), block.size(), ";");
    ReportAppend(&r, "Lep,d (dBA):");
    ReportSeparators(&r, 2);
    ReportAppendNumber(&r, "87.4");
    ReportEndLine(&r);
    ReportAppendNumber(&r, "1.2.3");
    ReportEndLine(&r);
    EXPECT_EQ(std::string(block.data()), "Lep,d (dBA):;;87,4\r\n1,2.3\r\n");
    EXPECT_EQ(r.length, 27u);
    EXPECT_EQ(block[r.length], '\0');
    EXPECT_EQ(block.back(), '\0');  // the block is zero-filled
}

TEST(ReportText, SeparatorIsCutToEightCharacters)
{
    char block[64];
    ReportText r;
    ReportBegin(&r, block, sizeof block, "0123456789");
    ReportSeparators(&r, 1);
    EXPECT_STREQ(block, "01234567");
}

TEST(ReportText, LongReportIsCutAfterItsLastWholeLine)
{
    std::vector<char> block(kReportTextSize);
    ReportText r;
    ReportBegin(&r, block.data(), block.size(), "\t");
    std::string line(98, 'a');  // 100 bytes with its line end
    int written = 0;
    for (int i = 0; i < 50; ++i) {
        ReportAppend(&r, line.c_str());
        if (!ReportEndLine(&r))
            break;
        ++written;
    }
    EXPECT_EQ(written, 40);  // 40 lines take 4000 bytes; the 41st would pass 4095
    EXPECT_EQ(r.length, 4000u);
    EXPECT_EQ(std::string(block.data()).size(), 4000u);
    EXPECT_TRUE(r.full);
    ReportAppend(&r, "more");
    EXPECT_EQ(std::string(block.data()).size(), 4000u);
}

TEST(ReportText, ExactlyFullBlockKeepsItsZero)
{
    char block[8];
    ReportText r;
    ReportBegin(&r, block, sizeof block, ";");
    ReportAppend(&r, "abcde");
    EXPECT_TRUE(ReportEndLine(&r));  // 7 bytes + zero
    EXPECT_STREQ(block, "abcde\r\n");
    ReportAppend(&r, "x");
    EXPECT_FALSE(ReportEndLine(&r));
    EXPECT_STREQ(block, "abcde\r\n");
}

TEST(DecimalComma, OnlyTheFirstPointAndBounded)
{
    char out[6];
    DecimalComma(out, sizeof out, "107.85");
    EXPECT_STREQ(out, "107,8");
    DecimalComma(out, sizeof out, "3");
    EXPECT_STREQ(out, "3");
}
