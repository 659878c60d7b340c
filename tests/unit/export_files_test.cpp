// The ".bmp" layout of a chart export and the "Csv" text made ready for the
// report document.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/bitmap_file.h"
#include "shell/paste_text.h"

namespace {

uint32_t At32(const unsigned char* bytes, int offset)
{
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | (uint32_t)bytes[offset + 3] << 24;
}

uint32_t At16(const unsigned char* bytes, int offset)
{
    return bytes[offset] | bytes[offset + 1] << 8;
}

TEST(BitmapDepth, RoundsBitsTimesPlanesUpToADibDepth)
{
    const struct {
        int bits, planes, depth;
    } kCases[] = {{0, 1, 1}, {1, 1, 1}, {2, 1, 4}, {1, 4, 4}, {8, 1, 8}, {15, 1, 16}, {16, 1, 16},
                  {24, 1, 24}, {8, 3, 24}, {32, 1, 32}, {48, 1, 32}};
    for (const auto& c : kCases)
        EXPECT_EQ(BitmapDepth(c.bits, c.planes), c.depth) << c.bits << " x " << c.planes;
}

// Rows padded to 4 bytes, worked out by hand: width x depth bits, rounded up
// to a multiple of 32 bits.
TEST(BitmapLayout, RowsArePaddedToFourBytes)
{
    const struct {
        int width, height, depth;
        uint32_t row, colours, offset, file;
    } kCases[] = {
        {3, 2, 24, 12, 0, 54, 54 + 24},             // 9 bytes -> 12
        {1, 1, 1, 4, 2, 54 + 8, 54 + 8 + 4},        // 1 bit -> 4 bytes
        {9, 3, 1, 4, 2, 62, 62 + 12},               // 9 bits -> 4 bytes
        {33, 1, 1, 8, 2, 62, 62 + 8},               // 33 bits -> 8 bytes
        {5, 2, 4, 4, 16, 54 + 64, 54 + 64 + 8},     // 20 bits -> 4 bytes
        {5, 2, 8, 8, 256, 54 + 1024, 1078 + 16},    // 5 bytes -> 8
        {7, 1, 16, 16, 0, 54, 54 + 16},             // 14 bytes -> 16
        {640, 480, 32, 2560, 0, 54, 54 + 1228800},  // already a multiple
    };
    for (const auto& c : kCases) {
        BitmapLayout layout;
        ASSERT_TRUE(LayOutBitmap(c.width, c.height, c.depth, &layout));
        EXPECT_EQ(layout.rowBytes, c.row) << c.width << "x" << c.depth;
        EXPECT_EQ(layout.imageSize, c.row * c.height);
        EXPECT_EQ(layout.colours, c.colours);
        EXPECT_EQ(layout.pixelOffset, c.offset);
        EXPECT_EQ(layout.fileSize, c.file);
    }
}

TEST(BitmapLayout, EmptyOrHugePicturesAreRefused)
{
    BitmapLayout layout;
    EXPECT_FALSE(LayOutBitmap(0, 10, 24, &layout));
    EXPECT_FALSE(LayOutBitmap(10, 0, 24, &layout));
    EXPECT_FALSE(LayOutBitmap(-5, 10, 24, &layout));
    EXPECT_FALSE(LayOutBitmap(10, 10, 0, &layout));
    EXPECT_FALSE(LayOutBitmap(100000, 100000, 32, &layout));
}

TEST(BitmapLayout, HeadersHoldEveryField)
{
    BitmapLayout layout;
    ASSERT_TRUE(LayOutBitmap(5, 3, 8, &layout));
    unsigned char h[kBitmapHeadersSize];
    memset(h, 0xAA, sizeof h);
    WriteBitmapHeaders(layout, h);
    EXPECT_EQ(h[0], 'B');
    EXPECT_EQ(h[1], 'M');
    EXPECT_EQ(At32(h, 2), 54u + 1024u + 24u);  // rows of 8 bytes
    EXPECT_EQ(At32(h, 6), 0u);                 // the two reserved words
    EXPECT_EQ(At32(h, 10), 1078u);
    EXPECT_EQ(At32(h, 14), 40u);
    EXPECT_EQ(At32(h, 18), 5u);
    EXPECT_EQ(At32(h, 22), 3u);   // positive: rows bottom-up
    EXPECT_EQ(At16(h, 26), 1u);   // planes
    EXPECT_EQ(At16(h, 28), 8u);   // bits per pixel
    EXPECT_EQ(At32(h, 30), 0u);   // no compression
    EXPECT_EQ(At32(h, 34), 24u);  // image size
    EXPECT_EQ(At32(h, 38), 0u);
    EXPECT_EQ(At32(h, 42), 0u);
    EXPECT_EQ(At32(h, 46), 256u);  // colours used
    EXPECT_EQ(At32(h, 50), 0u);    // important colours
}

TEST(CsvAsTabs, SeparatorsBecomeTabsUpToTheZero)
{
    const char block[] = "Lep,d;87,4\r\nLAeq;87,4\r\n\0garbage;";
    EXPECT_EQ(CsvAsTabs(block, sizeof block, ';'), "Lep,d\t87,4\r\nLAeq\t87,4\r\n");
    EXPECT_EQ(CsvAsTabs(block, sizeof block, '\0'), "Lep,d;87,4\r\nLAeq;87,4\r\n");
    EXPECT_EQ(CsvAsTabs(nullptr, 10, ';'), "");
}

// Another program's block under the same format name need not end in a
// zero: nothing past its size is read.
TEST(CsvAsTabs, AnUnterminatedBlockStopsAtItsSize)
{
    const char block[6] = {'a', ';', 'b', ';', 'c', ';'};
    EXPECT_EQ(CsvAsTabs(block, 3, ';'), "a\tb");
    EXPECT_EQ(CsvAsTabs(block, sizeof block, ';'), "a\tb\tc\t");
    EXPECT_EQ(CsvAsTabs(block, 0, ';'), "");
}

}  // namespace
